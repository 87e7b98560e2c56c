#include "app/PrintCommands.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>

#include "app/TSDIDecFrame.h"
#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/HelpWindow.h"
#include "platform/ModalDialog.h"
#include "platform/Prompter.h"
#include "print/ListPrintout.h"
#include "print/PrintErrorBox.h"
#include "print/PrintRun.h"
#include "print/PrinterFollowUp.h"
#include "print/TApxPreviewWin.h"
#include "print/TApxPrintout.h"
#include "print/TPDialog.h"
#include "print/TPrinter.h"
#include "view/TNoteWindow.h"

namespace zelto {

namespace {

constexpr const char* kObjectName = "PrintCommands";
constexpr int kPrintCommands[] = {CM_PRINTOPTIONS, CM_FILEPRINT, CM_FILEPRINTERSETUP,
                                  CM_FILEPRINTPREVIEW};

// The print dialog offers neither a page range nor a selection: every page is printed.
void OfferWholeDocumentOnly(QPrintDialog& dialog) {
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                    QAbstractPrintDialog::PrintShowPageSize);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

// Where a print run's dialogs go: the window the user is working in.
QWidget* ActiveWindowOr(QWidget* fallback) {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : fallback;
}

}  // namespace

PrintSettings PrintSettingsOf(const ZeltoSettings& settings, const PrintState& state) {
  PrintSettings s;
  s.NumCols = static_cast<int>(settings.NumCols);
  s.PrintFont = settings.PrintFont;
  s.PrintFontSize = static_cast<int>(settings.PrintFontSize);
  s.TopMargin = settings.TopMargin;
  s.BottomMargin = settings.BottomMargin;
  s.LeftMargin = settings.LeftMargin;
  s.RightMargin = settings.RightMargin;
  s.headingSpaceBefore = state.headingSpaceBefore;
  s.headingSpaceAfter = state.headingSpaceAfter;
  s.printCategory = state.printCategory;
  s.printChildren = state.printChildren != 0;
  return s;
}

// ---- PrintRunScope ----

PrintRunScope::PrintRunScope(int& printRuns, std::initializer_list<QWidget*> windows)
    : printRuns_(printRuns) {
  ++printRuns_;
  for (QWidget* window : windows) {
    if (window == nullptr) continue;
    limits_.push_back(Limit{window, window->maximumSize()});
    window->setMaximumSize(MaxPrintingSize, MaxPrintingSize);
  }
}

PrintRunScope::~PrintRunScope() {
  --printRuns_;
  // An outer run (a print started from the preview) still needs the printing size.
  if (printRuns_ != 0) return;
  for (const Limit& limit : limits_) limit.window->setMaximumSize(limit.maximum);
}

// ---- PrintCommands ----

PrintCommands::PrintCommands(PrintSession session, TSDIDecFrame& frame,
                             DefaultPrinterName defaultPrinter)
    : QObject(&frame), s_(session), frame_(frame), defaultPrinter_(std::move(defaultPrinter)) {
  setObjectName(QString::fromLatin1(kObjectName));
  if (!defaultPrinter_) defaultPrinter_ = [] { return QPrinterInfo::defaultPrinterName(); };
  MakePrinter();

  const auto enabled = [this] { return PrintEnabled(); };
  CommandTable& commands = s_.commands;
  commands.Add(CM_PRINTOPTIONS, [this] { CmPrintOptions(); });
  commands.Add(
      CM_FILEPRINT, [this] { CmPrint(); }, enabled);
  commands.Add(
      CM_FILEPRINTERSETUP, [this] { CmPrintSetup(); }, enabled);
  commands.Add(
      CM_FILEPRINTPREVIEW, [this] { CmPreview(); }, enabled);
  // The main window takes Print before the application, and runs the same print.
  mainWindow_ = frame_.Client();
  mainWindow_->Commands().Add(
      CM_FILEPRINT, [this] { CmPrint(); }, enabled);

  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) FollowDefaultPrinter();
          });
  frame_.UpdateToolBar();
}

PrintCommands::~PrintCommands() {
  for (int id : kPrintCommands) s_.commands.Remove(id);
  // While the frame is torn down its main window may already be gone.
  if (mainWindow_) mainWindow_->Commands().Remove(CM_FILEPRINT);
}

PrintCommands* PrintCommands::Of(const TSDIDecFrame& frame) {
  return frame.findChild<PrintCommands*>(QString::fromLatin1(kObjectName),
                                         Qt::FindDirectChildrenOnly);
}

void PrintCommands::MakePrinter() {
  lastDefault_ = defaultPrinter_();
  printer_ = std::make_unique<TPrinter>(lastDefault_);
}

TPrinter& PrintCommands::Printer() {
  if (!printer_) MakePrinter();
  return *printer_;
}

bool PrintCommands::PrintEnabled() { return Printer().ErrorCode() == 0; }

void PrintCommands::FollowDefaultPrinter() {
  if (!printer_) return;
  const QString now = defaultPrinter_();
  const PrinterFollowUp followUp =
      zelto::FollowDefaultPrinter(lastDefault_.toStdString(), now.toStdString(),
                                  printer_->Device().toStdString(), printer_->ErrorCode() == 0);
  lastDefault_ = now;
  if (followUp == PrinterFollowUp::Keep) return;
  printer_ = std::make_unique<TPrinter>(now);
  frame_.UpdateToolBar();
}

std::optional<TabInx> PrintCommands::ShownCategory() const {
  const auto* notes = qobject_cast<const TNoteWindow*>(frame_.Client()->NoteView());
  if (notes == nullptr) return std::nullopt;
  const long long shown = notes->Lines().currentCategory;
  if (shown < 0 || !s_.doc.tabs.Valid(static_cast<std::size_t>(shown))) return std::nullopt;
  return static_cast<TabInx>(shown);
}

void PrintCommands::CmPrintOptions() {
  PrintSelection selection{s_.state.printCategory, s_.state.printChildren != 0};
  TPDialog dialog(
      s_.settings, selection, [this] { return ShownCategory(); }, &frame_);
  connect(&dialog, &ResourceDialog::helpRequested, &dialog,
          [&dialog](int context) { HelpWindow::ShowContext(context, &dialog); });
  if (ModalDialog::Run(dialog) != QDialog::Accepted) return;
  s_.state.printCategory = selection.printCategory;
  s_.state.printChildren = selection.printChildren ? 1 : 0;
}

std::string PrintCommands::SuggestedPdfFile() const {
  // The document's name with the PDF extension, beside the document.
  if (s_.document.fileName.empty()) return "printout.pdf";
  const QFileInfo document(QFile::decodeName(QByteArray::fromStdString(s_.document.fileName)));
  return QFile::encodeName(
             document.dir().filePath(document.completeBaseName() + QStringLiteral(".pdf")))
      .toStdString();
}

void PrintCommands::OfferPdfFile() {
  QPrinter& printer = Printer().Printer();
  if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
    printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(SuggestedPdfFile())));
}

bool PrintCommands::ChoosePdfFile() {
  QPrinter& printer = printer_->Printer();
  if (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
    return true;
  FileDialogData data;
  data.fileName = SuggestedPdfFile();
  data.filter = "PDF files (*.pdf)|*.pdf|";
  data.defaultExt = "pdf";
  const std::optional<std::string> chosen =
      Prompter::AskSaveFileName(data, QStringLiteral("Print to PDF file"));
  if (!chosen) return false;
  printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(*chosen)));
  return true;
}

void PrintCommands::CmPrint() {
  TPrinter& printer = Printer();
  // The job is named after the program, whichever document the title shows.
  const QString title = QString::fromLatin1(ApplicationName).left(259);
  const PrintSettings settings = PrintSettingsOf(s_.settings, s_.state);
  PrintErrorBox errors;
  ListPrintout layout(s_.doc.tabs, settings, errors);
  TZeltoWindow* mainWindow = frame_.Client();
  TApxPrintout printout(title, layout, mainWindow);
  PrintRunScope run(s_.state.printRuns, {&frame_, mainWindow});

  QWidget* parent = ActiveWindowOr(&frame_);
  {
    OfferPdfFile();
    QPrintDialog dialog(&printer.Printer(), parent);
    OfferWholeDocumentOnly(dialog);
    if (ModalDialog::Run(dialog) != QDialog::Accepted) return;
  }
  if (!ChoosePdfFile()) return;

  QProgressDialog progress(QStringLiteral("Printing..."), QStringLiteral("Cancel"), 0, 0, parent);
  progress.setWindowTitle(title);
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(0);
  const PrintOutcome outcome =
      PrintPrintout(printer.Printer(), printout, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setLabelText(QStringLiteral("Printing page %1 of %2").arg(done).arg(total));
        progress.setValue(done);
        return !progress.wasCanceled();
      });
  progress.reset();

  const QString output = printer.Printer().outputFileName();
  const bool toFile = printer.Printer().outputFormat() == QPrinter::PdfFormat;
  if (outcome == PrintOutcome::Cancelled && toFile) {
    // An unfinished file would pass for the whole printout.
    QFile::remove(output);
  } else if (outcome == PrintOutcome::Failed) {
    Prompter::Message(toFile ? QStringLiteral("The printout could not be written to %1.")
                                   .arg(QDir::toNativeSeparators(output))
                             : QStringLiteral("The printout could not be sent to the printer %1.")
                                   .arg(printer.Printer().printerName()),
                      title, Prompter::Icon::Warning);
  }
}

void PrintCommands::CmPrintSetup() {
  TPrinter& printer = Printer();
  OfferPdfFile();
  QPrintDialog dialog(&printer.Printer(), &frame_);
  OfferWholeDocumentOnly(dialog);
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  // The choice is kept for later print runs: nothing is printed now.
  for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  ModalDialog::Run(dialog);
}

void PrintCommands::CmPreview() {
  TPrinter& printer = Printer();
  PrintRunScope run(s_.state.printRuns, {&frame_, frame_.Client()});
  const PrintSettings settings = PrintSettingsOf(s_.settings, s_.state);
  PrintErrorBox errors;
  ListPrintout layout(s_.doc.tabs, settings, errors);

  TApxPreviewWin preview(&frame_, layout, PageDevice::Of(printer.Printer()), frame_.Client());
  preview.setWindowTitle(QString::fromLatin1(ApplicationName));
  preview.SetPrintEnabler([this] { return PrintEnabled(); });
  connect(&preview, &TApxPreviewWin::printRequested, this, [this] {
    if (PrintEnabled()) CmPrint();
  });
  preview_ = &preview;
  preview.RunModal();
  preview_ = nullptr;
}

}  // namespace zelto
