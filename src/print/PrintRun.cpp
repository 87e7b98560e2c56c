#include "print/PrintRun.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "print/TApxPrintout.h"

namespace zelto {

bool PrintPrintout(QPrinter& printer, TApxPrintout& printout) {
  printer.setDocName(printout.Title());  // the print job is named after the document
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const PageDevice page = PageDevice::Of(printer);
  printout.StartPrinting(painter, page);

  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  const PageRange range = printout.Pages();
  bool first = true;
  for (int copy = 0; copy < copies; ++copy) {
    for (int n = range.minPage; n <= range.maxPage; ++n) {
      if (!printout.HasPage(n)) continue;
      if (!first && !printer.newPage()) {
        painter.end();
        return false;
      }
      first = false;
      printout.PrintPage(painter, page, n);
    }
  }
  return painter.end();
}

void PaintPreviewPage(QPainter& painter, TApxPrintout& printout, const PageDevice& printerPage,
                      const QRect& target, int n) {
  painter.fillRect(target, Qt::white);
  if (!printout.HasPage(n)) return;
  const PageDevice shown = printerPage.ShownIn(target);
  printout.StartPrinting(painter, shown);
  if (printout.HasPage(n)) printout.PrintPage(painter, shown, n);
}

}  // namespace zelto
