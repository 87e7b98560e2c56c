#include "platform/ButtonImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "common/CommandIds.h"

namespace zelto {
namespace {

using Drawing = std::function<void(QPainter&)>;

// Every image is drawn on a 16 x 16 grid and rendered at the sizes the tool bar may ask.
QIcon Render(const Drawing& draw) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

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
  // The same picture as the desktop icon: a note card with a small category tree on it.
  return Render([](QPainter& p) {
    p.scale(16.0 / 48.0, 16.0 / 48.0);
    const QColor edge(0x8a, 0x7a, 0x1e);
    const QColor red(0xd0, 0x30, 0x30);
    p.setPen(QPen(edge, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xf6, 0xb3));
    p.drawPolygon(
        QPolygonF{QPointF(7, 4), QPointF(33, 4), QPointF(41, 12), QPointF(41, 44), QPointF(7, 44)});
    p.setBrush(QColor(0xe9, 0xd9, 0x6b));
    p.drawPolygon(QPolygonF{QPointF(33, 4), QPointF(33, 12), QPointF(41, 12)});
    p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 2));
    p.drawLine(QPointF(14, 14), QPointF(14, 32));
    p.drawLine(QPointF(14, 22), QPointF(22, 22));
    p.drawLine(QPointF(14, 32), QPointF(22, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    for (const QPointF& at : {QPointF(11, 11), QPointF(21, 19), QPointF(21, 29)}) {
      p.drawRoundedRect(QRectF(at, QSizeF(6, 6)), 1, 1);
    }
    p.setPen(QPen(QColor(0x20, 0x50, 0xc0), 2));
    p.drawLine(QPointF(30, 22), QPointF(36, 22));
    p.drawLine(QPointF(30, 32), QPointF(36, 32));
    p.drawLine(QPointF(12, 39), QPointF(36, 39));
  });
}

}  // namespace zelto
