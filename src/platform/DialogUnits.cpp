#include "platform/DialogUnits.h"

#include <QFontMetrics>

namespace zelto {

DialogUnits::DialogUnits(const QFont& dialogFont) {
  const QFontMetrics fm(dialogFont);
  // The average width of the 52 letters, rounded, as dialog layouts have always measured it.
  static const QString letters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int width = fm.horizontalAdvance(letters);
  baseX_ = qMax(1, (width / 26 + 1) / 2);
  baseY_ = qMax(1, fm.height());
}

int DialogUnits::X(int units) const { return (units * baseX_ + 2) / 4; }
int DialogUnits::Y(int units) const { return (units * baseY_ + 4) / 8; }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const { return QSize(X(width), Y(height)); }

}  // namespace zelto
