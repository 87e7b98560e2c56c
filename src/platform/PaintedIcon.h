#pragma once
// Icons drawn by code at the size and screen resolution at which they are shown, so that they
// stay sharp at any screen scale instead of being stretched from a pixmap of one size.
#include <QIcon>
#include <functional>

class QPainter;

namespace zelto {

// Paints a picture on a square of `grid` x `grid` units, starting at (0, 0).
using IconDrawing = std::function<void(QPainter&)>;

// An icon that runs `drawing`, scaled from its grid to each size asked of it, with
// antialiasing. The disabled look is the style's, made from the drawn pixmap.
QIcon PaintedIcon(IconDrawing drawing, qreal grid);

}  // namespace zelto
