#pragma once
// The print loop of a print run, and the painting of one preview page.
#include <functional>

class QPainter;
class QPrinter;
class QRect;

namespace zelto {

class TApxPrintout;
struct PageDevice;

// Prints every page of `printout` on `printer`, in as many copies as the printer asks for
// when it cannot make them itself. False when the printer could not be opened or a page
// could not be started; the output is then incomplete.
bool PrintPrintout(QPrinter& printer, TApxPrintout& printout);

enum class PrintOutcome { Printed, Cancelled, Failed };
// Told after every printed page how many pages are done of how many in all (every copy
// counted); returning false cancels the run.
using PrintProgress = std::function<bool(int done, int total)>;

// The same, reporting progress. A cancelled run stops after the page in hand and aborts the
// print job; what a printer had already received may still come out.
PrintOutcome PrintPrintout(QPrinter& printer, TApxPrintout& printout,
                           const PrintProgress& progress);

// Paints page `n` of the printer page `printerPage` into `target` of the painter's device,
// scaled down, on white. A page that does not exist (0, or past the last) stays white.
void PaintPreviewPage(QPainter& painter, TApxPrintout& printout, const PageDevice& printerPage,
                      const QRect& target, int n);

}  // namespace zelto
