#include "print/TPrinter.h"

namespace zelto {

TPrinter::TPrinter(const QString& name) : printer_(QPrinter::HighResolution) {
  if (!name.isEmpty()) printer_.setPrinterName(name);
  // A printer that is not there leaves the output going to a PDF file.
  if (name.isEmpty() || printer_.printerName() != name)
    printer_.setOutputFormat(QPrinter::PdfFormat);
  else
    device_ = name;
}

int TPrinter::ErrorCode() const { return printer_.isValid() ? 0 : PrinterNotFound; }

}  // namespace zelto
