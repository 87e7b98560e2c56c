#pragma once
// Dialog layouts are given in dialog units, which scale with the dialog font: one
// horizontal unit is a quarter of the font's average character width, one vertical unit
// an eighth of its height. This converts them to pixels for the font in use.
#include <QFont>
#include <QRect>

namespace zelto {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& dialogFont);

  int X(int units) const;  // horizontal units to pixels
  int Y(int units) const;  // vertical units to pixels
  QRect Rect(int x, int y, int width, int height) const;
  QSize Size(int width, int height) const;

  int BaseX() const { return baseX_; }
  int BaseY() const { return baseY_; }

 private:
  int baseX_;  // average character width in pixels
  int baseY_;  // character height in pixels
};

}  // namespace zelto
