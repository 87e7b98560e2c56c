#include "platform/PaintedIcon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "support/QtApp.h"

namespace zelto {
namespace {

// The left half of a 16 x 16 grid in black.
QIcon HalfBlack() {
  return PaintedIcon([](QPainter& p) { p.fillRect(QRectF(0, 0, 8, 16), Qt::black); }, 16);
}

int Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

TEST(PaintedIcon, IsDrawnAtTheScreensResolutionNotStretched) {
  testing::EnsureQApplication();
  const QIcon icon = HalfBlack();
  for (qreal scale : {1.0, 1.5, 2.0, 3.0}) {
    const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
    const int side = qRound(16 * scale);
    ASSERT_EQ(pixmap.size(), QSize(side, side)) << scale;
    EXPECT_EQ(pixmap.devicePixelRatio(), scale);
    // A stretched 16-pixel image would blur the edge at the middle over a device pixel.
    const QImage image = pixmap.toImage();
    for (int y : {0, side / 2, side - 1}) {
      EXPECT_EQ(Alpha(image, side / 2 - 1, y), 255) << scale;
      EXPECT_EQ(Alpha(image, side / 2, y), 0) << scale;
    }
  }
}

TEST(PaintedIcon, DisabledLookComesFromTheStyle) {
  testing::EnsureQApplication();
  const QIcon icon = HalfBlack();
  const QImage normal = icon.pixmap(QSize(24, 24), 1.0, QIcon::Normal).toImage();
  const QImage disabled = icon.pixmap(QSize(24, 24), 1.0, QIcon::Disabled).toImage();
  EXPECT_EQ(disabled.size(), normal.size());
  EXPECT_NE(disabled.pixel(0, 0), normal.pixel(0, 0));
  EXPECT_FALSE(icon.isNull());
}

}  // namespace
}  // namespace zelto
