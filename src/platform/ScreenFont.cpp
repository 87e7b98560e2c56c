#include "platform/ScreenFont.h"

#include <QFontMetrics>
#include <algorithm>

#include "common/ZeltoSettings.h"
#include "platform/Cp1252.h"

namespace zelto {

void FitFontToCellHeight(QFont& font, int cellHeight) {
  // The screen font size is the height of a whole line of text, accents and descenders
  // included, because the note window draws one line every that many pixels. Qt sizes a
  // font by its em, which is smaller than the line it needs, so shrink until it fits.
  int px = std::max(cellHeight, 1);
  font.setPixelSize(px);
  const int height = QFontMetrics(font).height();
  if (height <= cellHeight) return;
  px = std::max(1, cellHeight * cellHeight / height);
  font.setPixelSize(px);
  while (px > 1 && QFontMetrics(font).height() > cellHeight) font.setPixelSize(--px);
}

QFont MakeScreenFont(const std::string& face, int cellHeight) {
  QFont font(Cp1252::Decode(face));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  if (cellHeight > 0) FitFontToCellHeight(font, cellHeight);
  return font;
}

QFont ScreenFontOf(const ZeltoSettings& settings) {
  return MakeScreenFont(settings.ScreenFont,
                        static_cast<int>(std::min<std::uint32_t>(settings.ScreenFontSize, 10000)));
}

}  // namespace zelto
