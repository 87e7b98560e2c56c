#include "mainwin/TZeltoWindow.h"

#include <QSignalSpy>
#include <QtTest>

#include "view/TCatWindow.h"

namespace zelto {

class TZeltoWindowTest : public QObject {
  Q_OBJECT

 private:
  static QRect RectOf(const PaneRect& r) { return QRect(r.left, r.top, r.width, r.height); }

 private slots:
  void panesFollowTheLayoutForEverySize() {
    TZeltoWindow window;
    window.resize(500, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.CatList()->geometry(), QRect(400, 1, 99, 238));
    QCOMPARE(window.NoteView()->geometry(), QRect(0, 0, 399, 238));
    QCOMPARE(window.EntryLine()->geometry(), QRect(0, 239, 499, 60));

    ScreenLook look;
    look.horizRatio = 0.5;
    look.vertRatio = 0.25;
    window.SetLook(look);  // new proportions apply at once
    QCOMPARE(window.CatList()->geometry(), QRect(250, 1, 249, 73));
    QCOMPARE(window.EntryLine()->geometry(), QRect(0, 74, 499, 225));

    window.resize(3, 2);  // too small: empty panes, nothing negative
    QTRY_COMPARE(window.width(), 3);
    for (QWidget* pane : {static_cast<QWidget*>(window.CatList()), window.NoteView(),
                          static_cast<QWidget*>(window.EntryLine())}) {
      QVERIFY(pane->width() >= 0 && pane->height() >= 0);
    }
    QCOMPARE(window.NoteView()->geometry().size(), QSize(0, 0));
    QCOMPARE(RectOf(window.CurrentLayout().entryLine), window.EntryLine()->geometry());
  }

  void coloursAndFontComeFromTheLook() {
    TZeltoWindow window;
    ScreenLook look;
    look.catColor = Rgb(1, 2, 3);
    look.detailColor = Rgb(0, 128, 255);
    look.screenFontSize = 13;
    window.SetLook(look);
    QCOMPARE(window.CatList()->palette().color(QPalette::Text), QColor(1, 2, 3));
    QCOMPARE(window.CatList()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(window.EntryLine()->palette().color(QPalette::Text), QColor(0, 128, 255));
    QCOMPARE(window.EntryLine()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(window.CatList()->font().pixelSize(), 13);
    QCOMPARE(window.EntryLine()->font().pixelSize(), 13);
  }

  void noteWindowHasTheFocusAndKeepsItAfterListClicks() {
    TZeltoWindow window;
    window.resize(500, 300);
    TCatWindow* list = window.CatList();
    list->SetItemData(list->AddString("Home"), 4);
    list->SetItemData(list->AddString("Work"), 9);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), window.NoteView());

    QSignalSpy selected(&window, &TZeltoWindow::CategorySelectionChanged);
    QSignalSpy clicked(&window, &TZeltoWindow::CategoryListClicked);
    QSignalSpy menu(&window, &TZeltoWindow::ContextMenuRequested);
    list->SetSelIndex(0);  // from code: no notification
    QCOMPARE(selected.count(), 0);

    const QPoint work = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, work);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 9);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(QApplication::focusWidget(), window.NoteView());

    const QPoint home = list->visualItemRect(list->item(0)).center();
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, home);
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.at(1).at(0).toInt(), 4);
    QCOMPARE(menu.count(), 1);
    // x moves by the list's left edge in the main window; y stays as clicked.
    QCOMPARE(menu.at(0).at(0).toPoint(), QPoint(home.x() + list->x(), home.y()));
    QCOMPARE(menu.at(0).at(1).toBool(), false);
  }
};

}  // namespace zelto

QTEST_MAIN(zelto::TZeltoWindowTest)
#include "TZeltoWindow_qtest.moc"
