#pragma once
// The File menu's printing commands: Print options, Print, Print Setup and Print Preview,
// with their enablers; the printer object they share, made anew when the desktop's default
// printer changes; and the main window's size limits while a print or preview runs.
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "common/CommandTable.h"
#include "common/ZeltoSettings.h"
#include "mainwin/TZeltoWindow.h"
#include "model/Document.h"
#include "model/DocumentFile.h"
#include "model/Records.h"
#include "print/PrintSettings.h"

class QWidget;

namespace zelto {

class TApxPreviewWin;
class TPrinter;
class TSDIDecFrame;

// What printing keeps for the rest of the run: the selection of Print options, the space
// around headings, and the print or preview runs in progress.
struct PrintState {
  std::uint32_t printCategory = ALL_CATEGORIES;
  int printChildren = 1;
  int headingSpaceBefore = 10;
  int headingSpaceAfter = 5;
  int printRuns = 0;
};

// What the printing commands work on; the application object owns all of it.
struct PrintSession {
  const Document& doc;
  ZeltoSettings& settings;  // Print options changes NumCols and PrintFontSize
  PrintState& state;
  const FileDialogData& document;  // its fileName names the PDF file offered
  CommandTable& commands;          // the application's response table
};

// The page look and print selection a print run or preview takes from the settings now.
PrintSettings PrintSettingsOf(const ZeltoSettings& settings, const PrintState& state);

// Counts one print run or preview in `printRuns` for as long as it exists. While any runs,
// `windows` may grow to 32000 × 32000 pixels, so that a page can be laid out at full size
// on them; the last run to end gives them back their own limits.
class PrintRunScope {
 public:
  PrintRunScope(int& printRuns, std::initializer_list<QWidget*> windows);
  ~PrintRunScope();
  PrintRunScope(const PrintRunScope&) = delete;
  PrintRunScope& operator=(const PrintRunScope&) = delete;

  static constexpr int MaxPrintingSize = 32000;

 private:
  int& printRuns_;
  struct Limit {
    QWidget* window;
    QSize maximum;
  };
  std::vector<Limit> limits_;
};

class PrintCommands : public QObject {
  Q_OBJECT

 public:
  // Names the desktop's default printer (empty when there is none).
  using DefaultPrinterName = std::function<QString()>;

  // Adds the commands to the application's table and Print to the main window's, and makes
  // the printer object. Without `defaultPrinter` the desktop is asked. Lives as long as
  // `frame`, which owns it.
  PrintCommands(PrintSession session, TSDIDecFrame& frame, DefaultPrinterName defaultPrinter = {});
  ~PrintCommands() override;

  void CmPrintOptions();
  void CmPrint();
  void CmPrintSetup();
  void CmPreview();
  // The enabler of Print, Print Setup and Print Preview: true when the printer can be used.
  bool PrintEnabled();

  // The printer object; made for the default printer when there is none.
  TPrinter& Printer();
  // Makes a new printer object when the desktop's default printer has changed since it was
  // last looked at (done whenever the program becomes active).
  void FollowDefaultPrinter();

  // The preview while one is open, else nullptr.
  TApxPreviewWin* Preview() const { return preview_; }

  // The commands installed on `frame`, if any.
  static PrintCommands* Of(const TSDIDecFrame& frame);

 private:
  void MakePrinter();
  // The category the note window shows now, if any.
  std::optional<TabInx> ShownCategory() const;
  // The PDF file offered for the document.
  std::string SuggestedPdfFile() const;
  // A printer writing a PDF without a file yet is given the suggested one, so the print
  // dialogs open on it.
  void OfferPdfFile();
  // Where the PDF goes when the printer writes one and has no file yet; false when the
  // user cancels.
  bool ChoosePdfFile();

  PrintSession s_;
  TSDIDecFrame& frame_;
  QPointer<TZeltoWindow> mainWindow_;
  DefaultPrinterName defaultPrinter_;
  QString lastDefault_;  // the default printer when last looked at
  std::unique_ptr<TPrinter> printer_;
  TApxPreviewWin* preview_ = nullptr;
};

}  // namespace zelto
