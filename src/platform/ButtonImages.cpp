#include "platform/ButtonImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <functional>
#include <memory>

#include "ProgramInfo.h"
#include "common/CommandIds.h"
#include "platform/PaintedIcon.h"

namespace zelto {
namespace {

using Drawing = IconDrawing;

// Every image is drawn on a 16 x 16 grid and scaled to the size the tool bar asks for.
QIcon Render(const Drawing& draw) { return PaintedIcon(draw, 16); }

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 190, 60);
const QColor kBlue(40, 90, 200);
const QColor kRed(200, 30, 30);

QPen Ink(qreal width = 0.8) {
  return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet with a folded top right corner, its left edge at x.
void Sheet(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + w - 3, y);
  path.lineTo(x + w, y + 3);
  path.lineTo(x + w, y + h);
  path.lineTo(x, y + h);
  path.closeSubpath();
  p.setPen(Ink());
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawPolyline(
      QPolygonF{QPointF(x + w - 3, y), QPointF(x + w - 3, y + 3), QPointF(x + w, y + 3)});
}

void TextLines(QPainter& p, qreal x, qreal y, qreal w, int lines) {
  p.setPen(QPen(QColor(120, 120, 120), 0.7));
  for (int i = 0; i < lines; ++i) p.drawLine(QPointF(x, y + 2 * i), QPointF(x + w, y + 2 * i));
}

void Magnifier(QPainter& p, qreal cx, qreal cy, qreal r) {
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx + r * 0.7, cy + r * 0.7), QPointF(cx + r * 1.9, cy + r * 1.9));
  p.setPen(Ink(1.1));
  p.setBrush(QColor(200, 225, 255));
  p.drawEllipse(QPointF(cx, cy), r, r);
}

void Printer(QPainter& p) {
  Sheet(p, 4, 1, 8, 6);
  p.setPen(Ink());
  p.setBrush(QColor(190, 190, 190));
  p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
  p.setBrush(kPaper);
  p.drawRect(QRectF(4, 10.5, 8, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 170, 40));
  p.drawEllipse(QPointF(12.5, 8.5), 0.8, 0.8);
}

Drawing DrawingOf(int id) {
  switch (id) {
    case CM_FILENEW:
      return [](QPainter& p) {
        Sheet(p, 3, 1.5, 10, 13);
        p.setPen(QPen(QColor(230, 170, 0), 1.2));
        p.drawLine(QPointF(11, 9), QPointF(15, 13));
        p.drawLine(QPointF(15, 9), QPointF(11, 13));
      };
    case CM_FILEOPEN:
      return [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kFolder.darker(115));
        p.drawPolygon(QPolygonF{QPointF(1, 3), QPointF(6, 3), QPointF(7, 4.5), QPointF(13, 4.5),
                                QPointF(13, 13.5), QPointF(1, 13.5)});
        p.setBrush(kFolder);
        p.drawPolygon(
            QPolygonF{QPointF(3, 7), QPointF(15.5, 7), QPointF(13, 13.5), QPointF(1, 13.5)});
      };
    case CM_FILESAVE:
      return [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kBlue);
        p.drawPolygon(QPolygonF{QPointF(1.5, 1.5), QPointF(12.5, 1.5), QPointF(14.5, 3.5),
                                QPointF(14.5, 14.5), QPointF(1.5, 14.5)});
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(210, 210, 210));
        p.drawRect(QRectF(4, 9.5, 8, 5));
      };
    case CM_DELETENOTE:
      return [](QPainter& p) {
        Sheet(p, 2, 1.5, 10, 13);
        TextLines(p, 4, 5, 5, 4);
        p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 8), QPointF(14.5, 13.5));
        p.drawLine(QPointF(14.5, 8), QPointF(9, 13.5));
      };
    case CM_EDITCOPY:
      return [](QPainter& p) {
        Sheet(p, 1.5, 1.5, 8, 10);
        TextLines(p, 3, 5, 4, 3);
        Sheet(p, 6.5, 4.5, 8, 10);
        TextLines(p, 8, 8, 4, 3);
      };
    case CM_EDITPASTE:
      return [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(QColor(170, 120, 60));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4, 1.5, 5, 2.5));
        Sheet(p, 7, 6, 7.5, 9);
        TextLines(p, 8.5, 9.5, 4, 3);
      };
    case CM_EDITFIND:
      return [](QPainter& p) { Magnifier(p, 6.5, 6.5, 4.5); };
    case CM_EDITFINDNEXT:
      return [](QPainter& p) {
        Magnifier(p, 5.5, 5.5, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 160, 40));
        p.drawPolygon(QPolygonF{QPointF(10, 11), QPointF(13, 11), QPointF(13, 9), QPointF(16, 12.5),
                                QPointF(13, 16), QPointF(13, 14), QPointF(10, 14)});
      };
    case CM_FILEPRINT:
      return [](QPainter& p) { Printer(p); };
    case CM_FILEPRINTPREVIEW:
      return [](QPainter& p) {
        Sheet(p, 1.5, 1.5, 10, 13);
        TextLines(p, 3.5, 5, 6, 4);
        Magnifier(p, 10, 9.5, 3);
      };
    default:
      break;
  }
  return {};
}

}  // namespace

QIcon ButtonImage(int commandId) {
  const Drawing drawing = DrawingOf(commandId);
  return drawing ? Render(drawing) : QIcon();
}

QIcon ProgramIcon() {
  // The desktop's icon of the program, drawn from its SVG at every size.
  auto svg = std::make_shared<QSvgRenderer>(QStringLiteral(":/icons/" ZELTO_DESKTOP_ID ".svg"));
  if (!svg->isValid()) return {};
  const QRectF box = svg->viewBoxF();
  return PaintedIcon([svg, box](QPainter& p) { svg->render(&p, QRectF(QPointF(), box.size())); },
                     std::max(box.width(), box.height()));
}

}  // namespace zelto
