#include "platform/PaintedIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <map>
#include <memory>
#include <tuple>

namespace zelto {
namespace {

class PaintedIconEngine : public QIconEngine {
 public:
  PaintedIconEngine(std::shared_ptr<const IconDrawing> drawing, qreal grid)
      : drawing_(std::move(drawing)), grid_(grid) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), drawn);
  }

  // `size` is in device pixels: a 16 x 16 icon on a screen of scale 1.5 is asked for 24 x 24.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    if (size.isEmpty()) return {};
    const auto key = std::make_tuple(size.width(), size.height(), static_cast<int>(mode));
    if (const auto found = drawn_.find(key); found != drawn_.end()) return found->second;

    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
      QPainter p(&pixmap);
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      const int side = std::min(size.width(), size.height());
      p.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
      p.scale(side / grid_, side / grid_);
      (*drawing_)(p);
    }
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
      QStyleOption option;
      option.palette = QApplication::palette();
      pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    drawn_.emplace(key, pixmap);
    return pixmap;
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    // Any size can be drawn; these are the ones a desktop usually asks for.
    return {QSize(16, 16), QSize(24, 24),   QSize(32, 32),  QSize(48, 48),
            QSize(64, 64), QSize(128, 128), QSize(256, 256)};
  }

  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("zelto-painted"); }
  QIconEngine* clone() const override { return new PaintedIconEngine(drawing_, grid_); }

 private:
  std::shared_ptr<const IconDrawing> drawing_;
  qreal grid_;
  std::map<std::tuple<int, int, int>, QPixmap> drawn_;
};

}  // namespace

QIcon PaintedIcon(IconDrawing drawing, qreal grid) {
  return QIcon(
      new PaintedIconEngine(std::make_shared<const IconDrawing>(std::move(drawing)), grid));
}

}  // namespace zelto
