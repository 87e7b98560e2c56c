#pragma once
// The print surface on a QPainter. Character widths come from QFontMetrics, measured once
// per font and character; without a painter the surface only measures (page counting).
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <memory>
#include <string_view>
#include <vector>

#include "print/CharWidthCache.h"
#include "print/PrintSurface.h"

class QPainter;

namespace zelto {

// The QFont that a layout font stands for.
QFont MakePrintFont(const FontSpec& spec);

// The text of Windows-1252 bytes as Qt shows it.
QString PrintText(std::string_view bytes);

// The display's logical resolution: how many layout units make an inch.
UnitsPerInch DisplayResolution();

class PainterSurface : public PrintSurface {
 public:
  explicit PainterSurface(UnitsPerInch resolution = DisplayResolution());
  ~PainterSurface() override;

  // Draws on `painter` from now on; nullptr measures only.
  void Attach(QPainter* painter);

  void SelectFont(const FontSpec& spec) override;
  int CharWidth(char c) override;
  void DrawLine(int x, int y, std::string_view text, const PrintRect& clip) override;
  UnitsPerInch Resolution() const override { return resolution_; }

 private:
  struct Font {
    FontSpec spec;
    QFont font;
    QFontMetrics metrics;
    CharWidthCache widths;
  };

  UnitsPerInch resolution_;
  QPainter* painter_ = nullptr;
  std::vector<std::unique_ptr<Font>> fonts_;  // every font selected so far
  Font* current_ = nullptr;
};

}  // namespace zelto
