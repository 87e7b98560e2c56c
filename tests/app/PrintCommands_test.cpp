// The printing commands in the running application: their enablers with and without a
// printer, the printer object's follow-up of the desktop's default printer, the options
// dialog, print runs to a PDF file, the preview, and the About box.
#include "app/PrintCommands.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>

#include "app/AppFixture.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "dialogs/TZeltoAboutDlg.h"
#include "mainwin/TZeltoWindow.h"
#include "model/TreeOps.h"
#include "platform/ModalDialog.h"
#include "print/FakeSurface.h"
#include "print/PrintRun.h"
#include "print/PrinterFollowUp.h"
#include "print/TApxPreviewWin.h"
#include "print/TApxPrintout.h"
#include "print/TPDialog.h"
#include "print/TPrinter.h"
#include "view/TNoteWindow.h"

namespace zelto::testing {
namespace {

int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(file.readAll());
  if (!pdf.startsWith(QStringLiteral("%PDF"))) return -1;
  int count = 0;
  for (auto it = QRegularExpression(R"(/Type\s*/Page[^s])").globalMatch(pdf); it.hasNext();
       it.next())
    ++count;
  return count;
}

class PrintCommandsTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    ModalDialog::ResetTestHooks();
    Start();
  }
  void TearDown() override {
    ModalDialog::ResetTestHooks();
    AppFixture::TearDown();
  }

  TSDIDecFrame& Frame() { return *app->Frame(); }
  PrintCommands& Commands() { return *PrintCommands::Of(Frame()); }

  // The commands again, on a desktop whose default printer `defaultPrinter` names.
  void UseDesktopPrinter(const QString* defaultPrinter) {
    delete PrintCommands::Of(Frame());
    const PrintSession session{app->doc, app->settings, app->print, app->fileData, app->Commands()};
    new PrintCommands(session, Frame(), [defaultPrinter] { return *defaultPrinter; });
  }

  bool IsEnabled(int id) { return Frame().Router().State(id).enabled; }

  // A top-level category with `notes` notes of a few words each; its index.
  TabInx AddCategory(const std::string& name, int notes, TabInx parent = NO_PARENT) {
    const TabInx cat = *AppendCategory(app->doc.tabs, name, 0, parent);
    for (int i = 0; i < notes; ++i)
      app->doc.tabs[cat].notes.Add(
          NoteString{"Note " + std::to_string(i) + " of " + name + " with a few more words", 0});
    return cat;
  }

  void ShowCategory(TabInx cat) { Frame().Client()->NoteView()->Lines().currentCategory = cat; }

  // The next print dialog is confirmed with the output going to `path` as PDF.
  static void ConfirmPrintDialogTo(const QString& path, int copies = 1) {
    ModalDialog::SetNextStep([path, copies](QDialog& dialog) {
      QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(path);
      printer->setCopyCount(copies);
      return int(QDialog::Accepted);
    });
  }

  QString PdfPath(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(PrintCommandsTest, WithoutAPrinterTheCommandsPrintToPdfAndStayEnabled) {
  const QString none;
  UseDesktopPrinter(&none);
  EXPECT_TRUE(Commands().Printer().PrintsToPdf());
  for (int id : {CM_FILEPRINT, CM_FILEPRINTERSETUP, CM_FILEPRINTPREVIEW, CM_PRINTOPTIONS})
    EXPECT_TRUE(IsEnabled(id)) << id;
  EXPECT_TRUE(Frame().ToolBarAction(CM_FILEPRINT)->isEnabled());
  EXPECT_TRUE(Frame().ToolBarAction(CM_FILEPRINTPREVIEW)->isEnabled());
}

TEST_F(PrintCommandsTest, ADefaultPrinterThatIsNotThereLeavesPdfOutput) {
  const QString missing = QStringLiteral("No printer of this name");
  UseDesktopPrinter(&missing);
  EXPECT_EQ(Commands().Printer().ErrorCode(), 0);
  EXPECT_TRUE(Commands().Printer().PrintsToPdf());
  EXPECT_TRUE(Commands().Printer().Device().isEmpty());
  for (int id : {CM_FILEPRINT, CM_FILEPRINTERSETUP, CM_FILEPRINTPREVIEW})
    EXPECT_TRUE(IsEnabled(id)) << id;
}

TEST_F(PrintCommandsTest, ANewDefaultPrinterReplacesThePrinterObjectOnlyWhenItChanges) {
  QString desktop = QStringLiteral("No printer of this name");
  UseDesktopPrinter(&desktop);
  TPrinter* first = &Commands().Printer();
  first->Printer().setPageOrientation(QPageLayout::Landscape);  // chosen in Print Setup

  Commands().FollowDefaultPrinter();  // the program became active; nothing changed
  EXPECT_EQ(&Commands().Printer(), first);

  desktop.clear();  // the printer is gone: printing goes to PDF now, and is offered again
  Commands().FollowDefaultPrinter();
  EXPECT_NE(&Commands().Printer(), first);
  EXPECT_TRUE(Commands().Printer().PrintsToPdf());
  EXPECT_TRUE(Frame().ToolBarAction(CM_FILEPRINT)->isEnabled());
  EXPECT_EQ(Commands().Printer().Printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PrintCommandsTest, FollowUpDecisions) {
  // Unchanged default: whatever the object is, it stays (a Print Setup choice is kept).
  EXPECT_EQ(FollowDefaultPrinter("Laser", "Laser", "Inkjet", true), PrinterFollowUp::Keep);
  EXPECT_EQ(FollowDefaultPrinter("", "", "", false), PrinterFollowUp::Keep);
  // The default went away, or is now another printer than the object's.
  EXPECT_EQ(FollowDefaultPrinter("Laser", "", "Laser", true), PrinterFollowUp::Recreate);
  EXPECT_EQ(FollowDefaultPrinter("Laser", "Inkjet", "Laser", true), PrinterFollowUp::Recreate);
  // The new default is the printer already chosen: kept if it works.
  EXPECT_EQ(FollowDefaultPrinter("Laser", "Inkjet", "Inkjet", true), PrinterFollowUp::Keep);
  EXPECT_EQ(FollowDefaultPrinter("Laser", "Inkjet", "Inkjet", false), PrinterFollowUp::Recreate);
}

TEST_F(PrintCommandsTest, OptionsStoreTheShownCategoryAndTheChildrenSwitch) {
  const TabInx work = AddCategory("Work", 2);
  const TabInx home = AddCategory("Home", 2);
  ShowCategory(work);
  const auto storedSize = settings->Peek("PrintFontSize");
  const std::uint32_t columns = app->settings.NumCols;

  ModalDialog::SetNextStep([&](QDialog& dialog) {
    auto& options = static_cast<TPDialog&>(dialog);
    EXPECT_TRUE(options.AllButton()->isChecked());
    EXPECT_TRUE(options.ChildrenBox()->isChecked());
    EXPECT_EQ(dialog.parentWidget(), &Frame());
    options.CurrentButton()->setChecked(true);
    options.ChildrenBox()->setChecked(false);
    options.ColumnsEdit()->setText("10");  // out of range: ignored
    options.FontSizeEdit()->setText(" 14");
    ShowCategory(home);  // what the note window shows when OK is pressed counts
    dialog.accept();
    return dialog.result();
  });
  Frame().Execute(CM_PRINTOPTIONS);
  EXPECT_EQ(app->print.printCategory, home);
  EXPECT_EQ(app->print.printChildren, 0);
  EXPECT_EQ(app->settings.NumCols, columns);
  EXPECT_EQ(app->settings.PrintFontSize, 14u);
  EXPECT_EQ(settings->Peek("PrintFontSize"), storedSize);  // in memory only

  // Opened again: the stored category shows as "current"; Cancel keeps everything.
  ModalDialog::SetNextStep([](QDialog& dialog) {
    auto& options = static_cast<TPDialog&>(dialog);
    EXPECT_TRUE(options.CurrentButton()->isChecked());
    EXPECT_FALSE(options.ChildrenBox()->isChecked());
    options.AllButton()->setChecked(true);
    return int(QDialog::Rejected);
  });
  Frame().Execute(CM_PRINTOPTIONS);
  EXPECT_EQ(app->print.printCategory, home);
}

TEST_F(PrintCommandsTest, PrintRunsCountWhileTheDialogAndTheRunAreOpen) {
  AddCategory("Work", 3);
  const QSize usualMaximum = Frame().maximumSize();
  int runsInDialog = -1;
  QSize maximumInDialog;
  ModalDialog::SetNextStep([&](QDialog& dialog) {
    runsInDialog = app->print.printRuns;
    maximumInDialog = Frame().Client()->maximumSize();
    static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(PdfPath("run.pdf"));
    return int(QDialog::Accepted);
  });
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(runsInDialog, 1);
  EXPECT_EQ(maximumInDialog, QSize(32000, 32000));
  EXPECT_EQ(app->print.printRuns, 0);
  EXPECT_EQ(Frame().maximumSize(), usualMaximum);

  // A cancelled print dialog prints nothing and still ends the run.
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(app->print.printRuns, 0);
  EXPECT_EQ(ModalDialog::History().size(), 2u);
}

TEST_F(PrintCommandsTest, PrintingToPdfGivesThePagesOfTheSelectionInEveryCopy) {
  const QString none;
  UseDesktopPrinter(&none);
  const TabInx small = AddCategory("Small", 3);
  AddCategory("Large", 400);

  ConfirmPrintDialogTo(PdfPath("all.pdf"));
  Frame().Execute(CM_FILEPRINT);
  const int allPages = PdfPageCount(PdfPath("all.pdf"));
  EXPECT_GT(allPages, 2);

  app->print.printCategory = small;
  ConfirmPrintDialogTo(PdfPath("small.pdf"), 2);
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(PdfPageCount(PdfPath("small.pdf")), 2);  // one page, twice

  // Nothing printable: one blank page.
  app->doc.tabs[small].flags |= NoPrint;
  ConfirmPrintDialogTo(PdfPath("blank.pdf"));
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(PdfPageCount(PdfPath("blank.pdf")), 1);
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message), 0);
}

TEST_F(PrintCommandsTest, PdfOutputIsOfferedBesideTheDocumentAndAskedForWhenUnnamed) {
  const QString none;
  UseDesktopPrinter(&none);
  AddCategory("Work", 3);
  app->fileData.fileName = Path("notes.zlt");
  // The dialog opens on a PDF file named after the document.
  QString offered;
  ModalDialog::SetNextStep([&](QDialog& dialog) {
    offered = static_cast<QPrintDialog&>(dialog).printer()->outputFileName();
    return int(QDialog::Rejected);
  });
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(offered, PdfPath("notes.pdf"));

  // A dialog that leaves the PDF without a file: the file is asked for.
  const auto confirmWithoutFile = [](QDialog& dialog) {
    static_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(QString());
    return int(QDialog::Accepted);
  };
  ModalDialog::SetNextStep(confirmWithoutFile);
  Prompter::SetNextFileName(PdfPath("chosen"));
  Frame().Execute(CM_FILEPRINT);
  ASSERT_EQ(Asked(Prompter::Asked::Kind::SaveFile), 1);
  EXPECT_EQ(Prompter::History().back().text, PdfPath("notes.pdf"));
  EXPECT_EQ(PdfPageCount(PdfPath("chosen.pdf")), 1);

  // Cancelling the file dialog cancels the run: nothing is written.
  ModalDialog::SetNextStep(confirmWithoutFile);
  Prompter::SetNextFileName(std::nullopt);
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files), QStringList{"chosen.pdf"});
  EXPECT_EQ(app->print.printRuns, 0);
}

TEST_F(PrintCommandsTest, AFileThatCannotBeWrittenIsReported) {
  AddCategory("Work", 3);
  ConfirmPrintDialogTo(dir.filePath("no such folder/out.pdf"));
  Frame().Execute(CM_FILEPRINT);
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message), 1);
  EXPECT_EQ(app->print.printRuns, 0);
}

TEST_F(PrintCommandsTest, PreviewCoversTheFrameAndHandsItsPlaceBack) {
  AddCategory("Work", 300);
  Frame().setGeometry(100, 100, 640, 480);
  const QRect moved(150, 120, 700, 500);
  bool covered = false;
  int runsInPreview = -1, runsInPrint = -1;
  QString caption;
  QTimer::singleShot(0, &Frame(), [&] {
    TApxPreviewWin* preview = Commands().Preview();
    ASSERT_NE(preview, nullptr);
    covered = preview->isVisible() && !Frame().isVisible();
    caption = preview->windowTitle();
    runsInPreview = app->print.printRuns;
    // Print from the preview: the print command runs while the preview stays open.
    ModalDialog::SetNextStep([&](QDialog&) {
      runsInPrint = app->print.printRuns;
      return int(QDialog::Rejected);
    });
    preview->Action(CM_FILEPRINT)->trigger();
    TApxPreviewWin::SetOuterRect(*preview, moved);
    preview->Action(CM_PREVIEWCLOSE)->trigger();
  });
  Frame().Execute(CM_FILEPRINTPREVIEW);
  EXPECT_TRUE(covered);
  // The preview carries the program's name, whichever document the frame's title names.
  EXPECT_EQ(caption, "Brindamor, version 1.01");
  EXPECT_EQ(runsInPreview, 1);
  EXPECT_EQ(runsInPrint, 2);
  EXPECT_EQ(app->print.printRuns, 0);
  EXPECT_EQ(Commands().Preview(), nullptr);
  EXPECT_TRUE(Frame().isVisible());
  EXPECT_EQ(TApxPreviewWin::OuterRect(Frame()), moved);
}

TEST_F(PrintCommandsTest, AboutShowsTheVersionOverTheFrame) {
  bool shown = false;
  ModalDialog::SetNextStep([&](QDialog& dialog) {
    shown = true;
    EXPECT_EQ(dialog.parentWidget(), &Frame());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Zelto"));
    EXPECT_NE(qobject_cast<TZeltoAboutDlg*>(&dialog), nullptr);
    return int(QDialog::Accepted);
  });
  EXPECT_TRUE(IsEnabled(CM_HELPABOUT));
  Frame().Execute(CM_HELPABOUT);
  EXPECT_TRUE(shown);
}

TEST(PrintRunProgress, ACancelledRunStopsAfterThePageInHand) {
  EnsureQApplication();
  QTemporaryDir dir;
  Document doc;
  const TabInx cat = *AppendCategory(doc.tabs, "Long", 0, NO_PARENT);
  for (int i = 0; i < 400; ++i)
    doc.tabs[cat].notes.Add(NoteString{"Note " + std::to_string(i) + " with some words", 0});
  PrintSettings settings;
  CountingErrors errors;
  ListPrintout layout(doc.tabs, settings, errors);
  TApxPrintout printout(QStringLiteral("Long"), layout);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("long.pdf"));
  printer.setCopyCount(2);

  std::vector<std::pair<int, int>> seen;
  const PrintOutcome outcome = PrintPrintout(printer, printout, [&](int done, int total) {
    seen.emplace_back(done, total);
    return done < 2;
  });
  EXPECT_EQ(outcome, PrintOutcome::Cancelled);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].second, 2 * printout.Pages().maxPage);  // every copy counts

  // A cancel that comes with the last page is too late: the run is complete.
  doc.tabs[cat].notes.Clear();
  ListPrintout shortLayout(doc.tabs, settings, errors);
  TApxPrintout shortPrintout(QStringLiteral("Short"), shortLayout);
  printer.setCopyCount(1);
  EXPECT_EQ(PrintPrintout(printer, shortPrintout, [](int, int) { return false; }),
            PrintOutcome::Printed);
  EXPECT_EQ(shortPrintout.Pages().maxPage, 1);
}

}  // namespace
}  // namespace zelto::testing
