#pragma once
// The printout the print run and the preview drive: maps the layout units onto the page
// of the device (scaled separately across and down) and lets the ListPrintout lay out and
// draw one page at a time.
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>

#include "print/ListPrintout.h"
#include "print/PainterSurface.h"

class QPainter;
class QPrinter;
class QWidget;

namespace zelto {

// The page a printout is asked to fill: the printable area of the printer in device
// pixels, the printer's resolution, and where on the painter's device the page goes
// (the printable area itself when printing, a rectangle of the window in preview).
struct PageDevice {
  QSize extent;      // printable width and height in device pixels
  QSize resolution;  // device pixels per inch, across and down
  QRect viewport;    // target of the page on the painter's device

  static PageDevice Of(const QPrinter& printer);
  // The printer's page shown in `target` of another device (a preview).
  PageDevice ShownIn(const QRect& target) const;
};

// The page range of the print dialog data: the minimum and maximum page.
struct PageRange {
  int minPage = 1;
  int maxPage = 1;
};

class TApxPrintout {
 public:
  // `window`, when given, is resized so that its client area matches the page while a page
  // is mapped, as the window the printout is made for; it may be nullptr.
  TApxPrintout(QString title, ListPrintout& layout, QWidget* window = nullptr);

  const QString& Title() const { return title_; }

  // No page range and no selection are offered: all four are 0.
  void GetPageRange(int& minPage, int& maxPage, int& selFromPage, int& selToPage) const;
  // Prepares the layout and counts the pages into the page range.
  void StartPrinting(QPainter& painter, const PageDevice& page);
  bool HasPage(int n) const;
  void PrintPage(QPainter& painter, const PageDevice& page, int n);

  // Sets up the mapping of layout units onto the page; returns the page in layout units.
  PrintRect MapPage(QPainter& painter, const PageDevice& page);
  // Undoes MapPage.
  void UnmapPage(QPainter& painter);

  PageRange& Pages() { return pages_; }
  const PageRange& Pages() const { return pages_; }
  ListPrintout& Layout() { return layout_; }

 private:
  QString title_;
  ListPrintout& layout_;
  QWidget* window_;
  PainterSurface surface_;
  PageRange pages_;

  // What MapPage changed, restored by UnmapPage.
  struct Saved {
    bool active = false;
    bool viewTransformEnabled = false;
    QRect window;
    QRect viewport;
    QSize windowSize;
    bool windowUpdates = true;
  } saved_;
};

}  // namespace zelto
