#pragma once
// The program's printer object: the printer that print runs, Print Setup and the preview
// share, with what the user chose for it (printer, paper, orientation, copies, output file).
// Made for the desktop's default printer, or for a PDF file when the desktop has none: a
// PDF file counts as a printer, so printing works on a machine without one.
#include <QPrinter>
#include <QString>

namespace zelto {

class TPrinter {
 public:
  // Error code of a printer that cannot be used.
  static constexpr int PrinterNotFound = 0x100B;

  // Set up for the printer `name`; an empty name, or one the desktop does not have, prints
  // to a PDF file.
  explicit TPrinter(const QString& name);
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  QPrinter& Printer() { return printer_; }
  const QPrinter& Printer() const { return printer_; }
  // The printer this object was made for; empty when it writes a PDF file.
  const QString& Device() const { return device_; }
  // 0 when the printer can be used; otherwise the print commands are not offered.
  int ErrorCode() const;
  // Whether the output goes to a PDF file rather than to a printer.
  bool PrintsToPdf() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

 private:
  QPrinter printer_;
  QString device_;
};

}  // namespace zelto
