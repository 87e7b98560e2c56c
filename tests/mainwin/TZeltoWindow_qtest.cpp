#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

#include "common/CommandIds.h"
#include "dialogs/FaceTable.h"
#include "mainwin/TZeltoWindow.h"
#include "model/Document.h"
#include "platform/Prompter.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto {

class TZeltoWindowTest : public QObject {
  Q_OBJECT

  static QRect RectOf(const PaneRect& r) { return QRect(r.left, r.top, r.width, r.height); }

 private slots:
  void panesFollowTheLayoutForEverySize() {
    Document doc;
    TZeltoWindow window(doc);
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
    for (QWidget* pane :
         {static_cast<QWidget*>(window.CatList()), static_cast<QWidget*>(window.NoteView()),
          static_cast<QWidget*>(window.EntryLine())}) {
      QVERIFY(pane->width() >= 0 && pane->height() >= 0);
    }
    QCOMPARE(window.NoteView()->geometry().size(), QSize(0, 0));
    QCOMPARE(RectOf(window.CurrentLayout().entryLine), window.EntryLine()->geometry());
  }

  void coloursAndFontComeFromTheLook() {
    Document doc;
    TZeltoWindow window(doc);
    ScreenLook look;
    look.catColor = Rgb(1, 2, 3);
    look.detailColor = Rgb(0, 128, 255);
    look.screenFontSize = 13;
    window.SetLook(look);
    QCOMPARE(window.CatList()->palette().color(QPalette::Text), QColor(1, 2, 3));
    QCOMPARE(window.CatList()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(window.EntryLine()->palette().color(QPalette::Text), QColor(0, 128, 255));
    QCOMPARE(window.EntryLine()->palette().color(QPalette::Base), QColor(Qt::white));
    // The screen font size is the height of a whole line: text never spills past it.
    QVERIFY(QFontMetrics(window.CatList()->font()).height() <= 13);
    QVERIFY(QFontMetrics(window.CatList()->font()).height() >= 10);
    QCOMPARE(window.EntryLine()->font(), window.CatList()->font());
  }

  void noteWindowHasTheFocusAndKeepsItAfterListClicks() {
    Document doc;
    TZeltoWindow window(doc);
    window.resize(500, 300);
    for (int i = 0; i < 10; ++i) doc.tabs.Append(Tab("c" + std::to_string(i), 0, NO_PARENT));
    doc.tabs[9].notes.Add(NoteString{"first note", 0});
    doc.tabs[9].notes.Add(NoteString{"second note", 0});
    TCatWindow* list = window.CatList();
    list->SetItemData(list->AddString("Home"), 4);
    list->SetItemData(list->AddString("Work"), 9);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), window.NoteView());

    QSignalSpy selected(&window, &TZeltoWindow::CategorySelectionChanged);
    QSignalSpy menu(&window, &TZeltoWindow::ContextMenuRequested);
    list->SetSelIndex(0);  // from code: no notification
    QCOMPARE(selected.count(), 0);

    const QPoint work = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, work);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 9);
    QCOMPARE(QApplication::focusWidget(), window.NoteView());
    // The note window shows the selected category from its first line.
    QCOMPARE(window.NoteView()->Lines().currentCategory, 9);
    QCOMPARE(window.NoteView()->CurrentLine(), 0);
    QCOMPARE(window.NoteView()->Lines().lineCount, 2);  // two notes (the end line not counted)

    const QPoint home = list->visualItemRect(list->item(0)).center();
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, home);
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.at(1).at(0).toInt(), 4);
    QCOMPARE(menu.count(), 1);
    // x moves by the list's left edge in the main window; y stays as clicked.
    QCOMPARE(menu.at(0).at(0).toPoint(), QPoint(home.x() + list->x(), home.y()));
    QCOMPARE(menu.at(0).at(1).toBool(), false);

    // A right click in the note window asks for the same popup, marked as from there.
    QWidget* notes = window.NoteView()->viewport();
    QTest::mousePress(notes, Qt::RightButton, {}, QPoint(30, 5));
    QCOMPARE(menu.count(), 2);
    QCOMPARE(menu.at(1).at(0).toPoint(), notes->mapTo(&window, QPoint(30, 5)));
    QCOMPARE(menu.at(1).at(1).toBool(), true);
  }

  void aSelectionInTheDetailWindowSurvivesTheNoteWindowsRepaints() {
    Document doc;
    doc.tabs.Append(Tab("Home", 0, NO_PARENT));
    doc.tabs[0].notes.Add(NoteString{"Ann\r\nCall 555-1234 today", 0});
    doc.tabs[0].notes.Add(NoteString{"Bob", 0});
    TZeltoWindow window(doc);
    window.resize(500, 300);
    TCatWindow* list = window.CatList();
    list->SetItemData(list->AddString("Home"), 0);
    list->SetSelIndex(0);
    window.NoteView()->Refresh();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TNoteWindow* notes = window.NoteView();
    TOneEdit* detail = window.EntryLine();
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, QPoint(30, 5));
    QCOMPARE(detail->toPlainText(), QStringLiteral("Ann\nCall 555-1234 today"));

    // The user selects the number; the note window is painted again, and told again.
    QTextCursor cursor = detail->textCursor();
    cursor.setPosition(9);
    cursor.setPosition(17, QTextCursor::KeepAnchor);
    detail->setTextCursor(cursor);
    notes->viewport()->repaint();
    notes->Refresh();
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, QPoint(30, 5));  // the same line
    QCOMPARE(detail->textCursor().selectedText(), QStringLiteral("555-1234"));

    // Typing into it changes nothing; another note replaces it.
    QTest::keyClicks(detail, QStringLiteral("xyz"));
    QCOMPARE(detail->toPlainText(), QStringLiteral("Ann\nCall 555-1234 today"));
    QTest::keyClick(notes, Qt::Key_Down);
    QCOMPARE(detail->toPlainText(), QStringLiteral("Bob"));
    QVERIFY(!detail->textCursor().hasSelection());
  }

  void keysFromTheNoteWindowReachTheirActions() {
    Prompter::ResetTestHooks();
    Document doc;
    for (const char* name : {"Home", "Work"}) doc.tabs.Append(Tab(name, 0, NO_PARENT));
    doc.tabs[0].notes.Add(NoteString{"one", 0});
    doc.tabs[0].notes.Add(NoteString{"two", 0});
    TZeltoWindow window(doc);
    window.resize(500, 300);
    TCatWindow* list = window.CatList();
    list->SetItemData(list->AddString("Home"), 0);
    list->SetItemData(list->AddString("Work"), 1);
    list->SetSelIndex(0);
    window.NoteView()->Lines().currentCategory = 0;
    window.NoteView()->CountLines();
    QStringList log;
    window.Commands().Add(CM_DELETENOTE, [&] { log << "delete"; });
    window.Commands().Add(CM_EDITFIND, [&] { log << "find"; });
    window.Commands().Add(CM_ADDNOTE, [&] { log << "add"; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TNoteWindow* notes = window.NoteView();

    QTest::keyClick(notes, Qt::Key_Down);
    QCOMPARE(notes->CurrentLine(), 1);
    QTest::keyClick(notes, Qt::Key_D);  // on a note line
    QTest::keyClick(notes, Qt::Key_F);
    QTest::keyClick(notes, Qt::Key_A);
    QCOMPARE(log, (QStringList{"delete", "find", "add"}));
    QTest::keyClick(notes, Qt::Key_D, Qt::AltModifier);  // Alt keys are the menus'
    QCOMPARE(log.size(), 3);

    QTest::keyClick(notes, Qt::Key_Down, Qt::ShiftModifier);  // the category list moves
    QCOMPARE(list->GetSelIndex(), 1);
    QCOMPARE(notes->Lines().currentCategory, 1);
    QCOMPARE(notes->CurrentLine(), 0);

    // X lists the faces of the table the font dialogs offer.
    FaceTable::SetSource([] { return QStringList{"Alpha Sans", "Beta Serif"}; });
    QTest::keyClick(notes, Qt::Key_X);
    FaceTable::SetSource({});
    QCOMPARE(Prompter::History().size(), std::size_t{1});
    QCOMPARE(Prompter::History().back().caption, QStringLiteral("Brindamor"));
    QCOMPARE(Prompter::History().back().text, QStringLiteral(", Alpha Sans, Beta Serif"));
  }
};

}  // namespace zelto

QTEST_MAIN(zelto::TZeltoWindowTest)
#include "TZeltoWindow_qtest.moc"
