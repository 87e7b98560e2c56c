#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "view/TCatWindow.h"

namespace zelto {

class TCatWindowTest : public QObject {
  Q_OBJECT

  static QStringList Shown(const TCatWindow& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
  }

 private slots:
  void keepsTextOrderWithEqualNamesInTheOrderAdded() {
    TCatWindow list;
    // Letters fold to upper case only for a-z; bytes above 127 sort after all ASCII.
    const std::vector<std::pair<std::string, std::uint32_t>> adds = {
        {"zebra", 0}, {"\xC9t\xE9", 1}, {"apple", 2}, {"Apple", 3},
        {"_x", 4},    {"APPLE", 5},     {"app", 6}};
    for (const auto& [name, data] : adds) {
      const int pos = list.AddString(name);
      QCOMPARE(list.GetString(pos), name);
      list.SetItemData(pos, data);
    }
    QCOMPARE(Shown(list), (QStringList{"app", "apple", "Apple", "APPLE", "zebra", "_x",
                                       QStringLiteral("\u00C9t\u00E9")}));
    QCOMPARE(list.GetItemData(1), 2u);
    QCOMPARE(list.GetItemData(3), 5u);
    QCOMPARE(list.GetString(6), std::string("\xC9t\xE9"));  // the stored bytes come back
    // A name the widget shows differently (Windows-1252 0x80 is the euro sign).
    const int euro = list.AddString("\x80uro");
    QCOMPARE(list.item(euro)->text(), QStringLiteral("\u20ACuro"));
    QCOMPARE(list.GetString(euro), std::string("\x80uro"));
    QCOMPARE(list.FindStringExact("APPLE"), 1);
  }

  void selectionFromCodeSendsNoNotification() {
    TCatWindow list;
    for (const char* name : {"a", "b", "c"}) list.SetItemData(list.AddString(name), 7);
    QSignalSpy user(&list, &TCatWindow::SelectionChangedByUser);
    list.SetSelIndex(1);
    QCOMPARE(list.GetSelIndex(), 1);
    QCOMPARE(list.SelectedCategory(), 7);
    list.SetSelIndex(CategoryList::None);
    QCOMPARE(list.GetSelIndex(), CategoryList::None);
    QCOMPARE(list.SelectedCategory(), CategoryList::None);
    list.SetSelIndex(1);
    list.AddString("0");  // the selected row moves down with the insert
    QCOMPARE(list.GetSelIndex(), 2);
    list.DeleteString(0);  // above the selection: it moves up with its row
    QCOMPARE(list.GetSelIndex(), 1);
    list.DeleteString(1);  // the selected row itself: no row takes its place
    QCOMPARE(list.GetSelIndex(), CategoryList::None);
    QCOMPARE(list.GetCount(), 2);
    list.Clear();
    QCOMPARE(list.GetSelIndex(), CategoryList::None);
    QCOMPARE(user.count(), 0);
  }

  void scrollBarOnlyWhenTheItemsOverflow() {
    TCatWindow list;
    list.resize(120, 100);
    for (const char* name : {"a", "b"}) list.AddString(name);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QTRY_VERIFY(!list.verticalScrollBar()->isVisible());
    for (int i = 0; i < 30; ++i) list.AddString("item " + std::to_string(i));
    QTRY_VERIFY(list.verticalScrollBar()->isVisible());
    list.Clear();
    QTRY_VERIFY(!list.verticalScrollBar()->isVisible());
  }

  void navigationKeysMoveTheSelectionWithNotification() {
    TCatWindow list;
    list.resize(200, 200);
    for (const char* name : {"a", "b", "c", "d"}) list.AddString(name);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy user(&list, &TCatWindow::SelectionChangedByUser);
    QVERIFY(list.MoveSelectionByKey(Qt::Key_Down));  // no selection yet: the first row
    QCOMPARE(list.GetSelIndex(), 0);
    QVERIFY(list.MoveSelectionByKey(Qt::Key_Down));
    QCOMPARE(list.GetSelIndex(), 1);
    QVERIFY(list.MoveSelectionByKey(Qt::Key_End));
    QCOMPARE(list.GetSelIndex(), 3);
    QVERIFY(list.MoveSelectionByKey(Qt::Key_Down));  // at the end: stays
    QCOMPARE(list.GetSelIndex(), 3);
    QVERIFY(list.MoveSelectionByKey(Qt::Key_Home));
    QCOMPARE(list.GetSelIndex(), 0);
    QCOMPARE(user.count(), 4);
    QVERIFY(!list.MoveSelectionByKey(Qt::Key_A));
    TCatWindow empty;
    QVERIFY(empty.MoveSelectionByKey(Qt::Key_Down));  // nothing to move, nothing breaks
    QCOMPARE(empty.GetSelIndex(), CategoryList::None);
  }

  void clicksSelectAndNotifyOnlyOnChange() {
    TCatWindow list;
    list.resize(200, 200);
    for (const char* name : {"one", "two", "three"}) list.AddString(name);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy user(&list, &TCatWindow::SelectionChangedByUser);
    QSignalSpy left(&list, &TCatWindow::LeftClicked);
    QSignalSpy right(&list, &TCatWindow::RightClicked);
    const QPoint second = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(list.GetSelIndex(), 1);
    QCOMPARE(user.count(), 1);
    QCOMPARE(left.count(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);  // same row again
    QCOMPARE(user.count(), 1);
    // A right click selects the row under the pointer first, as a left click would.
    const QPoint third = list.visualItemRect(list.item(2)).center();
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, third);
    QCOMPARE(list.GetSelIndex(), 2);
    QCOMPARE(user.count(), 2);
    QCOMPARE(right.count(), 1);
    QCOMPARE(right.at(0).at(0).toPoint(), third);
  }
};

}  // namespace zelto

QTEST_MAIN(zelto::TCatWindowTest)
#include "TCatWindow_qtest.moc"
