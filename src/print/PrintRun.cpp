#include "print/PrintRun.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "print/TApxPrintout.h"

namespace zelto {

bool PrintPrintout(QPrinter& printer, TApxPrintout& printout) {
  return PrintPrintout(printer, printout, PrintProgress()) == PrintOutcome::Printed;
}

PrintOutcome PrintPrintout(QPrinter& printer, TApxPrintout& printout,
                           const PrintProgress& progress) {
  printer.setDocName(printout.Title());  // the print job is named after the document
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  const PageDevice page = PageDevice::Of(printer);
  printout.StartPrinting(painter, page);

  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  const PageRange range = printout.Pages();
  int pagesPerCopy = 0;
  for (int n = range.minPage; n <= range.maxPage; ++n)
    if (printout.HasPage(n)) ++pagesPerCopy;
  const int total = pagesPerCopy * copies;
  int done = 0;
  for (int copy = 0; copy < copies; ++copy) {
    for (int n = range.minPage; n <= range.maxPage; ++n) {
      if (!printout.HasPage(n)) continue;
      if (done > 0 && !printer.newPage()) {
        painter.end();
        return PrintOutcome::Failed;
      }
      printout.PrintPage(painter, page, n);
      ++done;
      // A cancel after the last page comes too late to change anything.
      if (progress && !progress(done, total) && done < total) {
        printer.abort();
        painter.end();
        return PrintOutcome::Cancelled;
      }
    }
  }
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
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
