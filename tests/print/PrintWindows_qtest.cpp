// The print options dialog and the preview window, each on its own.
#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "common/CommandIds.h"
#include "model/TreeOps.h"
#include "print/FakeSurface.h"
#include "print/TApxPreviewWin.h"
#include "print/TPDialog.h"

using namespace zelto;

namespace {

Document MakeDocument(int categories, int notes) {
  Document doc;
  for (int c = 0; c < categories; ++c) {
    const TabInx cat = *AppendCategory(doc.tabs, "Category " + std::to_string(c), 0, NO_PARENT);
    for (int i = 0; i < notes; ++i)
      doc.tabs[cat].notes.Add(NoteString{"Note " + std::to_string(i) + " with a few words", 0});
  }
  return doc;
}

const PageDevice Portrait{QSize(4961, 7016), QSize(600, 600), QRect(0, 0, 4961, 7016)};
const PageDevice Landscape{QSize(7016, 4961), QSize(600, 600), QRect(0, 0, 7016, 4961)};

// Paints the shown pages, as the window system would; painting counts the pages.
void PaintPages(TApxPreviewWin& preview) {
  preview.Page1()->grab();
  if (preview.Page2()) preview.Page2()->grab();
}

bool AllWhiteInside(const QImage& image) {
  for (int y = 2; y < image.height() - 2; ++y)
    for (int x = 2; x < image.width() - 2; ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
  return true;
}

}  // namespace

class PrintWindowsTest : public QObject {
  Q_OBJECT

  PrintSettings settings;
  testing::CountingErrors errors;

 private slots:
  void optionsDialogShowsAndStoresTheOptions() {
    ZeltoSettings zs;
    zs.NumCols = 0;  // a value no command stores
    zs.PrintFontSize = 11;
    PrintSelection selection;
    selection.printCategory = 3;
    selection.printChildren = false;
    std::optional<TabInx> shown = TabInx(5);
    TPDialog dialog(zs, selection, [&shown] { return shown; });
    QCOMPARE(dialog.windowTitle(), QString("Print options"));
    QCOMPARE(dialog.ColumnsEdit()->text(), QString("1"));
    QCOMPARE(dialog.FontSizeEdit()->text(), QString("11"));
    QVERIFY(dialog.CurrentButton()->isChecked());
    QVERIFY(!dialog.AllButton()->isChecked());
    QVERIFY(!dialog.ChildrenBox()->isChecked());

    // The two choices exclude each other.
    dialog.AllButton()->click();
    QVERIFY(!dialog.CurrentButton()->isChecked());
    dialog.CurrentButton()->click();
    QVERIFY(!dialog.AllButton()->isChecked());

    QSignalSpy help(&dialog, &ResourceDialog::helpRequested);
    dialog.findChild<QPushButton*>("9")->click();
    QCOMPARE(help.at(0).at(0).toInt(), 12);

    dialog.ColumnsEdit()->setText("8");
    dialog.FontSizeEdit()->setText("21");
    dialog.ChildrenBox()->setChecked(true);
    shown = TabInx(6);  // what the note window shows when OK is pressed counts
    dialog.findChild<QPushButton*>("1")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(zs.NumCols, 8u);
    QCOMPARE(zs.PrintFontSize, 11u);
    QCOMPARE(selection.printCategory, 6u);
    QVERIFY(selection.printChildren);

    TPDialog cancelled(zs, selection, [] { return std::optional<TabInx>(); });
    cancelled.ColumnsEdit()->setText("3");
    cancelled.AllButton()->click();
    cancelled.reject();
    QCOMPARE(zs.NumCols, 8u);
    QCOMPARE(selection.printCategory, 6u);
  }

  void previewPagesThroughOneAndTwoPages() {
    Document doc = MakeDocument(8, 80);
    ListPrintout layout(doc.tabs, settings, errors);
    TApxPreviewWin preview(nullptr, layout, Portrait);
    preview.resize(900, 700);
    preview.show();
    QCOMPARE(preview.windowTitle(), QString("Print Preview"));
    QCOMPARE(preview.PageText(), QString("Page 1"));
    QVERIFY(!preview.Action(CM_PREVPAGE)->isEnabled());
    QVERIFY(!preview.Action(CM_NEXTPAGE)->isEnabled());  // one page until it is painted
    QVERIFY(preview.Action(CM_TWOPAGE)->isEnabled());
    QVERIFY(preview.Action(CM_ONEPAGE)->isChecked());

    PaintPages(preview);
    const int pages = preview.Printout().Pages().maxPage;
    QVERIFY(pages >= 4);
    QCOMPARE(preview.PageCountText(), QString("%1 pages").arg(pages));
    QVERIFY(preview.Action(CM_NEXTPAGE)->isEnabled());

    preview.Action(CM_NEXTPAGE)->trigger();
    QCOMPARE(preview.PageText(), QString("Page 2"));
    QVERIFY(preview.Action(CM_PREVPAGE)->isEnabled());

    preview.Action(CM_TWOPAGE)->trigger();
    QCOMPARE(preview.PageText(), QString("Page 2 - 3"));
    QVERIFY(preview.Action(CM_TWOPAGE)->isChecked());
    QVERIFY(preview.Page2());
    QCOMPARE(preview.Page2()->PageNumber(), 3);
    const QRect one = preview.Page1()->geometry(), two = preview.Page2()->geometry();
    QCOMPARE(two.top(), one.top());
    QVERIFY(two.left() > one.right());
    QVERIFY(preview.PageArea()->rect().contains(two));

    while (preview.Action(CM_NEXTPAGE)->isEnabled()) {
      preview.Action(CM_NEXTPAGE)->trigger();
      PaintPages(preview);
    }
    QCOMPARE(preview.PageText(), QString("Page %1 - %2").arg(pages - 1).arg(pages));
    QCOMPARE(errors.count, 0);

    preview.Action(CM_ONEPAGE)->trigger();
    QVERIFY(!preview.Page2());
    QCOMPARE(preview.PageText(), QString("Page %1").arg(pages - 1));
    QVERIFY(preview.Action(CM_NEXTPAGE)->isEnabled());

    QSignalSpy print(&preview, &TApxPreviewWin::printRequested);
    preview.Action(CM_FILEPRINT)->trigger();
    QCOMPARE(print.count(), 1);
  }

  void previewOfOnePageShowsAWhiteSecondPage() {
    Document doc = MakeDocument(1, 3);
    ListPrintout layout(doc.tabs, settings, errors);
    TApxPreviewWin preview(nullptr, layout, Portrait);
    preview.resize(900, 700);
    preview.show();
    PaintPages(preview);
    QVERIFY(!preview.Action(CM_NEXTPAGE)->isEnabled());
    preview.Action(CM_TWOPAGE)->trigger();
    QCOMPARE(preview.PageText(), QString("Page 1"));
    QCOMPARE(preview.Page2()->PageNumber(), 0);
    QVERIFY(AllWhiteInside(preview.Page2()->grab().toImage()));
    QVERIFY(!AllWhiteInside(preview.Page1()->grab().toImage()));
  }

  void landscapePaperDisablesTwoPages() {
    Document doc = MakeDocument(2, 80);
    ListPrintout layout(doc.tabs, settings, errors);
    TApxPreviewWin preview(nullptr, layout, Landscape);
    preview.resize(900, 700);
    preview.show();
    PaintPages(preview);
    QVERIFY(!preview.Action(CM_TWOPAGE)->isEnabled());
    preview.CmTwoPages();
    QVERIFY(!preview.Page2());
    QVERIFY(preview.Action(CM_ONEPAGE)->isChecked());
    // The landscape page is shown wider than high.
    QVERIFY(preview.Page1()->width() > preview.Page1()->height());
  }

  void pagesFillALargeWindowAndEscapeCloses() {
    Document doc = MakeDocument(2, 80);
    ListPrintout layout(doc.tabs, settings, errors);
    QWidget frame;
    frame.setGeometry(0, 0, 1600, 1000);
    frame.show();
    TApxPreviewWin preview(&frame, layout, Portrait);
    QRect page, area;
    bool escapeIgnored = false;
    QTimer::singleShot(0, &preview, [&] {
      page = preview.Page1()->geometry();
      area = preview.PageArea()->rect();
      QTest::keyClick(&preview, Qt::Key_Escape);
      escapeIgnored = preview.isVisible();
      if (escapeIgnored) preview.close();
    });
    preview.RunModal();
    QVERIFY(!escapeIgnored);
    QVERIFY(!preview.isVisible());
    QVERIFY(frame.isVisible());
    // The page takes the whole height but its margins, in the paper's shape, in the middle.
    QVERIFY(page.height() > area.height() * 9 / 10);
    QVERIFY(qAbs(page.width() * 7016 - page.height() * 4961) <= 7016);
    QVERIFY(qAbs(page.left() - (area.width() - page.right() - 1)) <= 1);
  }

  void closingHandsThePlaceBackToTheFrame() {
    Document doc = MakeDocument(1, 3);
    ListPrintout layout(doc.tabs, settings, errors);
    QWidget frame;
    frame.setWindowTitle("notes.zlt - Brindamor");
    frame.setGeometry(100, 100, 640, 480);
    frame.show();
    TApxPreviewWin preview(&frame, layout, Portrait);
    QCOMPARE(preview.windowTitle(), frame.windowTitle());

    const QRect moved(150, 120, 700, 500);
    bool frameHidden = false;
    QTimer::singleShot(0, &preview, [&] {
      frameHidden = !frame.isVisible() && preview.isVisible();
      TApxPreviewWin::SetOuterRect(preview, moved);
      preview.Action(CM_PREVIEWCLOSE)->trigger();
    });
    preview.RunModal();
    QVERIFY(frameHidden);
    QVERIFY(frame.isVisible());
    QVERIFY(!preview.isVisible());
    QVERIFY(frame.updatesEnabled());
    QCOMPARE(TApxPreviewWin::OuterRect(frame), moved);
  }
};

QTEST_MAIN(PrintWindowsTest)
#include "PrintWindows_qtest.moc"
