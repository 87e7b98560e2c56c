#include "print/TApxPrintout.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <cstdint>

namespace zelto {

namespace {

// a × b / c rounded to the nearest integer (halves away from zero); -1 when c is 0.
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t p = static_cast<std::int64_t>(a) * b;
  std::int64_t d = c;
  if (d < 0) {
    d = -d;
    p = -p;
  }
  // Halves round away from zero.
  const std::int64_t q = p >= 0 ? (p + d / 2) / d : -((-p + d / 2) / d);
  return static_cast<int>(q);
}

}  // namespace

PageDevice PageDevice::Of(const QPrinter& printer) {
  PageDevice d;
  d.extent = QSize(printer.width(), printer.height());
  d.resolution = QSize(printer.logicalDpiX(), printer.logicalDpiY());
  d.viewport = QRect(QPoint(0, 0), d.extent);
  return d;
}

PageDevice PageDevice::ShownIn(const QRect& target) const {
  PageDevice d = *this;
  d.viewport = target;
  return d;
}

TApxPrintout::TApxPrintout(QString title, ListPrintout& layout, QWidget* window)
    : title_(std::move(title)), layout_(layout), window_(window) {}

void TApxPrintout::GetPageRange(int& minPage, int& maxPage, int& selFromPage,
                                int& selToPage) const {
  minPage = maxPage = selFromPage = selToPage = 0;
}

PrintRect TApxPrintout::MapPage(QPainter& painter, const PageDevice& page) {
  const UnitsPerInch display = surface_.Resolution();
  // A device that reports no resolution is taken at the display's.
  const int px = page.resolution.width() > 0 ? page.resolution.width() : display.x;
  const int py = page.resolution.height() > 0 ? page.resolution.height() : display.y;
  const int w = MulDiv(page.extent.width(), display.x, px);
  const int h = MulDiv(page.extent.height(), display.y, py);

  saved_.active = true;
  saved_.viewTransformEnabled = painter.viewTransformEnabled();
  saved_.window = painter.window();
  saved_.viewport = painter.viewport();
  painter.setWindow(0, 0, w, h);
  painter.setViewport(page.viewport);

  if (window_) {
    saved_.windowSize = window_->size();
    saved_.windowUpdates = window_->updatesEnabled();
    window_->setUpdatesEnabled(false);
    window_->resize(w, h);
  }
  return PrintRect{0, 0, w, h};
}

void TApxPrintout::UnmapPage(QPainter& painter) {
  if (!saved_.active) return;
  saved_.active = false;
  if (window_) {
    window_->resize(saved_.windowSize);
    window_->setUpdatesEnabled(saved_.windowUpdates);
  }
  painter.setWindow(saved_.window);
  painter.setViewport(saved_.viewport);
  painter.setViewTransformEnabled(saved_.viewTransformEnabled);
}

void TApxPrintout::StartPrinting(QPainter& painter, const PageDevice& page) {
  const PrintRect rect = MapPage(painter, page);
  surface_.Attach(&painter);
  const PrintSettings& s = layout_.Settings();
  layout_.Prepare(surface_, rect, s.printCategory, s.printChildren);
  int count = 1;
  while (layout_.LayoutPage(count, false)) ++count;
  pages_.minPage = 1;
  pages_.maxPage = count;
  UnmapPage(painter);
}

bool TApxPrintout::HasPage(int n) const { return pages_.minPage <= n && n <= pages_.maxPage; }

void TApxPrintout::PrintPage(QPainter& painter, const PageDevice& page, int n) {
  MapPage(painter, page);
  surface_.Attach(&painter);
  layout_.LayoutPage(n, true);
  UnmapPage(painter);
}

}  // namespace zelto
