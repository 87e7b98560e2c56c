#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>
#include <cstring>

#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "mainwin/TZeltoWindow.h"
#include "model/Document.h"
#include "platform/HelpWindow.h"
#include "platform/Prompter.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto {
namespace {

// The application object as the frame sees it: records commands and close queries.
class FakeApp : public ApplicationTarget {
 public:
  CommandTable table;
  bool mayClose = true;
  int closeQueries = 0;
  bool HandlesCommand(int id) const override { return table.HandlesCommand(id); }
  void DoCommand(int id) override { table.DoCommand(id); }
  std::optional<bool> Enabled(int id) const override { return table.Enabled(id); }
  bool CloseQuery() override {
    ++closeQueries;
    return mayClose;
  }
};

// A focusable child window of the main window with a response table of its own.
class FocusTarget : public QLineEdit, public CommandTable {
 public:
  using QLineEdit::QLineEdit;
};

// Every item of the menu bar as "path|text|id|hint", separators as "path|-".
void ListMenu(const QMenu* menu, const QString& path, QStringList& out) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      out << path + QStringLiteral("|-");
    } else if (action->menu()) {
      ListMenu(action->menu(), path + u'>' + action->text(), out);
    } else {
      out << QStringLiteral("%1|%2|%3|%4")
                 .arg(path, action->text(), action->property("commandId").toString(),
                      action->statusTip());
    }
  }
}

}  // namespace

class FrameTest : public QObject {
  Q_OBJECT

  static QAction* MenuOf(TSDIDecFrame& frame, const QString& title) {
    for (QAction* a : frame.menuBar()->actions()) {
      if (a->text() == title) return a;
    }
    return nullptr;
  }
  static void Open(QMenu* menu) { emit menu->aboutToShow(); }

  Document doc_;
  TZeltoWindow* NewClient() { return new TZeltoWindow(doc_); }

 private slots:
  void init() { Prompter::ResetTestHooks(); }

  void menuBarIsTheProgramsMenu() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    QCOMPARE(frame.windowTitle(), QStringLiteral("Brindamor, version 1.01"));
    QStringList got;
    QStringList tops;
    for (QAction* a : frame.menuBar()->actions()) {
      tops << a->text();
      ListMenu(a->menu(), a->text(), got);
    }
    QCOMPARE(tops, (QStringList{"&File", "&Edit", "&Search", "&Utilities", "&Configure", "&Help"}));
    const QStringList expected = {
        "&File|&New|24331|Creates a new window",
        "&File|&Open...|24332|Opens a window",
        "&File|-",
        "&File|&Save|24333|Saves the active document",
        "&File|Save &As...|24334|Saves the active document with a new name",
        "&File|-",
        "&File|Prin&t options|24|",
        "&File|Print Pre&view...|24340|Displays full pages as read-only",
        "&File|&Print...|24337|Prints the active document",
        "&File|P&rint Setup...|24338|Sets print characteristics for the active document",
        "&File|-",
        "&File|E&xit\tAlt+F4|24310|Quits Zelto and prompts to save the documents",
        "&Edit|&Undo|24321|Undoes the last change to the document",
        "&Edit|&Redo|33|Redoes the change last undone",
        "&Edit|-",
        "&Edit|&Add Note\tA|1|Add note to note window",
        "&Edit|Add &Subcategory|2|Add child category",
        "&Edit|Add Cate&gory|3|Add category as sibling of parent",
        "&Edit|-",
        "&Edit|&Delete Note\tD|7|Deletes note and puts it on the Clipboard",
        "&Edit|De&lete Category|5|Deletes category and children",
        "&Edit|&Delete Subcategory|6|Deletes child category and its children",
        "&Edit|-",
        "&Edit|&Edit Note\tE|31|Edit the current entry",
        "&Edit|Ed&it Category|29|Edit parent category",
        "&Edit|&Edit Subcategory\tE|30|Edit child category",
        "&Edit|-",
        "&Edit|&Copy\tCtrl+C|24323|Copies note to the Clipboard",
        "&Edit|&Paste\tCtrl+V|24324|Inserts the Clipboard contents",
        "&Search|&Find...\tF|24351|Finds the specified text",
        "&Search|&Next\tN|24353|Finds the next match",
        "&Search|Find &all...\tCtrl+Shift+F|24355|Lists every note that contains a text",
        "&Utilities|&View note in Notepad|32|",
        "&Utilities|&Split entry|27|Split current note into one note per line",
        "&Utilities|Save as &text|8|Save entire file in text format",
        "&Utilities|Save as &Markdown|40|Save entire file as Markdown",
        "&Utilities|Save as &HTML|41|Save entire file as a web page",
        "&Utilities|Save as &JSON|42|Save entire file as JSON data",
        "&Configure>&Screen>&Colors|&Category|50|Category color",
        "&Configure>&Screen>&Colors|&Detail|51|Color of expanded entry window text",
        "&Configure>&Screen>&Colors|&Note|52|Default color",
        "&Configure>&Screen>&Colors|E&xecute|53|Color of execution links",
        "&Configure>&Screen>&Colors|No&Print|54|Color of non-printing entries",
        "&Configure>&Screen|&Font|60|Change screen font",
        "&Configure>&Screen|&Show past line break|61|Toggle more than one line per row",
        "&Configure>&Printing|&Font|70|Change printer font",
        "&Configure>&Printing|&Columns|71|Change number of print columns",
        "&Configure>&Printing>&Margins|&Left|80|Change left margin",
        "&Configure>&Printing>&Margins|&Right|81|Change right margin",
        "&Configure>&Printing>&Margins|&Top|82|Change top margin",
        "&Configure>&Printing>&Margins|&Bottom|83|Change bottom margin",
        "&Configure|&Default category|90|Change the default category",
        "&Configure|&Default Brindamor file|91|Change the default data file",
        "&Configure|&Enable web links|92|Enable web linking",
        "&Help|&Contents|25|",
        "&Help|&Using help|26|",
        "&Help|-",
        "&Help|&About...|2009|About the Zelto application",
    };
    QCOMPARE(got, expected);
    // The sub-menus sit where the table puts them: Colors first in Screen, Margins last in
    // Printing, and Screen and Printing before the Configure items.
    const QList<QAction*> configure = MenuOf(frame, "&Configure")->menu()->actions();
    QCOMPARE(configure.at(0)->text(), QStringLiteral("&Screen"));
    QCOMPARE(configure.at(1)->text(), QStringLiteral("&Printing"));
    QCOMPARE(configure.at(0)->menu()->actions().at(0)->text(), QStringLiteral("&Colors"));
    QCOMPARE(configure.at(1)->menu()->actions().at(2)->text(), QStringLiteral("&Margins"));
  }

  void toolBarButtonsAndKeys() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    QToolBar* bar = frame.ToolBar();
    QCOMPARE(bar->windowTitle(), QStringLiteral("Toolbar"));
    QVERIFY(bar->isMovable());
    QStringList ids;
    for (QAction* a : bar->actions()) {
      ids << (a->isSeparator() ? QStringLiteral("|") : a->property("commandId").toString());
      if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
    }
    QCOMPARE(ids.join(u' '),
             QStringLiteral("24331 24332 24333 | 7 24323 24324 | 24351 24353 | 24337 24340"));
    QCOMPARE(frame.ToolBarAction(CM_DELETENOTE)->statusTip(),
             QStringLiteral("Deletes note and puts it on the Clipboard"));
    QCOMPARE(frame.MenuAction(CM_EXIT)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QStringList keys;
    for (QAction* a : frame.actions()) keys << a->shortcut().toString(QKeySequence::PortableText);
    QCOMPARE(keys, (QStringList{"Shift+Del", "Ctrl+Ins", "Shift+Ins", "Ctrl+Del", "Alt+Backspace",
                                "F3", "Ctrl+Shift+F"}));
  }

  void commandTravelsFromFocusToApplication() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    auto* focused = new FocusTarget(frame.Client());
    QStringList log;
    focused->Add(CM_EDITCOPY, [&] { log << "focus copy"; });
    frame.Client()->Commands().Add(CM_EDITCOPY, [&] { log << "main copy"; });
    frame.Client()->Commands().Add(CM_EDITPASTE, [&] { log << "main paste"; });
    app.table.Add(CM_FILESAVE, [&] { log << "app save"; });
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.activateWindow();
    focused->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused);

    frame.MenuAction(CM_EDITCOPY)->trigger();
    frame.MenuAction(CM_EDITPASTE)->trigger();
    frame.ToolBarAction(CM_FILESAVE)->trigger();
    QCOMPARE(log, (QStringList{"focus copy", "main paste", "app save"}));

    // With the focus elsewhere in the main window the chain starts at the main window.
    frame.Client()->NoteView()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), frame.Client()->NoteView());
    frame.MenuAction(CM_EDITCOPY)->trigger();
    QCOMPARE(log.last(), QStringLiteral("main copy"));
    // The note window is the chain's first stop: it takes Copy and hands it back as a
    // request, so the main window's Copy runs exactly once.
    QCOMPARE(frame.Router().Chain().size(), std::size_t{4});  // note, main window, frame, app
    QSignalSpy noteCopy(frame.Client()->NoteView(), &TNoteWindow::CopyNoteRequested);
    frame.MenuAction(CM_EDITCOPY)->trigger();
    QCOMPARE(noteCopy.count(), 1);
    QCOMPARE(log.count(QStringLiteral("main copy")), 2);

    // F3 (an accelerator) sends Next along the same chain.
    frame.Client()->Commands().Add(CM_EDITFINDNEXT, [&] { log << "next"; });
    QTest::keyClick(frame.Client()->NoteView(), Qt::Key_F3);
    QCOMPARE(log.last(), QStringLiteral("next"));
    // An accelerator nobody handles does nothing.
    const qsizetype before = log.size();
    QTest::keyClick(frame.Client()->NoteView(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(log.size(), before);
  }

  void desktopKeysReachTheirCommandsThroughTheEnablers() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    QStringList log;
    bool printing = false;
    const std::pair<int, const char*> commands[] = {{CM_FILENEW, "new"},
                                                    {CM_FILEOPEN, "open"},
                                                    {CM_FILESAVE, "save"},
                                                    {CM_FILESAVEAS, "save as"},
                                                    {CM_EDITFIND, "find"}};
    for (const auto& [id, name] : commands) app.table.Add(id, [&log, name = name] { log << name; });
    app.table.Add(
        CM_FILEPRINT, [&] { log << "print"; }, [&] { return printing; });
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.activateWindow();
    QWidget* notes = frame.Client()->NoteView();
    notes->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), notes);

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::keyClick(notes, Qt::Key_N, ctrl);
    QTest::keyClick(notes, Qt::Key_O, ctrl);
    QTest::keyClick(notes, Qt::Key_S, ctrl);
    QTest::keyClick(notes, Qt::Key_S, ctrl | Qt::ShiftModifier);
    QTest::keyClick(notes, Qt::Key_F, ctrl);
    QTest::keyClick(notes, Qt::Key_P, ctrl);  // printing is off: nothing
    QCOMPARE(log, (QStringList{"new", "open", "save", "save as", "find"}));
    // The menu greys Print while printing is off; the key still asks the enabler when
    // pressed, not the grey the menu left behind.
    QMenu* file = MenuOf(frame, QStringLiteral("&File"))->menu();
    Open(file);
    QVERIFY(!frame.MenuAction(CM_FILEPRINT)->isEnabled());
    emit file->aboutToHide();
    printing = true;
    QTest::keyClick(notes, Qt::Key_P, ctrl);
    QCOMPARE(log.last(), QStringLiteral("print"));
    // The menu texts stay as they were.
    QCOMPARE(frame.MenuAction(CM_FILENEW)->text(), QStringLiteral("&New"));
    QCOMPARE(frame.MenuAction(CM_EDITFIND)->text(), QStringLiteral("&Find...\tF"));

    // In a dialog the keys are the dialog's.
    QDialog dialog(&frame);
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    const qsizetype before = log.size();
    QTest::keyClick(field, Qt::Key_F, ctrl);
    QTest::keyClick(field, Qt::Key_N, ctrl);
    QCOMPARE(log.size(), before);
    dialog.close();

    // Ctrl+Q is Exit: the close query decides.
    frame.activateWindow();
    notes->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), notes);
    app.mayClose = false;
    QTest::keyClick(notes, Qt::Key_Q, ctrl);
    QCOMPARE(app.closeQueries, 1);
    QVERIFY(frame.isVisible());
  }

  void keysInTheDetailWindowReachTheCommandsOrCopyTheSelection() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    QStringList log;
    frame.Client()->Commands().Add(CM_EDITCOPY, [&] { log << "copy note"; });
    frame.Client()->Commands().Add(CM_EDITPASTE, [&] { log << "paste note"; });
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.activateWindow();
    TOneEdit* detail = frame.Client()->EntryLine();
    detail->ShowText(QStringLiteral("Call 555-1234"));
    detail->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), detail);

    // Ctrl+V and Shift+Insert paste a new note and leave the shown text alone.
    QGuiApplication::clipboard()->setText(QStringLiteral("new note"));
    QTest::keyClick(detail, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(detail, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(log, (QStringList{"paste note", "paste note"}));
    QCOMPARE(detail->toPlainText(), QStringLiteral("Call 555-1234"));

    // Ctrl+C copies a selection made here; without one it copies the current note.
    detail->SelectText(5, 3);
    QTest::keyClick(detail, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("555"));
    QCOMPARE(log.size(), 2);
    detail->SelectText(0, 0);
    QTest::keyClick(detail, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(log.last(), QStringLiteral("copy note"));
  }

  void enablersGreyAndCheckMenuItemsAndButtons() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    bool noteLine = false;
    bool multiLine = true;
    bool web = false;
    int deletes = 0;
    CommandTable& main = frame.Client()->Commands();
    main.Add(
        CM_DELETENOTE, [&] { ++deletes; }, [&] { return noteLine; });
    main.Add(
        CM_MULTILINE, [&] { multiLine = !multiLine; }, {}, [&] { return multiLine; });
    main.Add(
        CM_ENABLEWEB, [&] { web = !web; }, {}, [&] { return web; });

    QMenu* edit = MenuOf(frame, "&Edit")->menu();
    Open(edit);
    QAction* del = frame.MenuAction(CM_DELETENOTE);
    QVERIFY(!del->isEnabled());
    QVERIFY(frame.MenuAction(CM_ADDNOTE)->isEnabled() == false);  // nobody handles it yet
    del->trigger();                                               // a grey item does nothing
    QCOMPARE(deletes, 0);
    frame.UpdateToolBar();
    QVERIFY(!frame.ToolBarAction(CM_DELETENOTE)->isEnabled());
    noteLine = true;
    Open(edit);
    QVERIFY(del->isEnabled());
    frame.UpdateToolBar();
    QVERIFY(frame.ToolBarAction(CM_DELETENOTE)->isEnabled());
    // The accelerator route checks the enabler as well.
    noteLine = false;
    QVERIFY(!frame.Execute(CM_DELETENOTE));
    QCOMPARE(deletes, 0);

    QMenu* configure = MenuOf(frame, "&Configure")->menu();
    QMenu* screen = configure->actions().at(0)->menu();
    Open(screen);
    Open(configure);
    QVERIFY(frame.MenuAction(CM_MULTILINE)->isChecked());
    QVERIFY(!frame.MenuAction(CM_ENABLEWEB)->isChecked());
    QVERIFY(!frame.MenuAction(CM_SCREENFONT)->isChecked());
    frame.MenuAction(CM_MULTILINE)->trigger();
    frame.MenuAction(CM_ENABLEWEB)->trigger();
    Open(screen);
    Open(configure);
    QVERIFY(!frame.MenuAction(CM_MULTILINE)->isChecked());
    QVERIFY(frame.MenuAction(CM_ENABLEWEB)->isChecked());
  }

  void smallestWindowKeepsToolBarPanesAndStatusBarWhole() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.resize(60, 40);
    QApplication::processEvents();
    QCOMPARE(frame.size(), frame.minimumSize());
    for (QAction* a : frame.ToolBar()->actions()) {
      if (a->isSeparator()) continue;
      QWidget* button = frame.ToolBar()->widgetForAction(a);
      QVERIFY2(button && button->isVisible(), qPrintable(a->text()));
      QVERIFY(frame.ToolBar()->rect().contains(button->geometry()));
    }
    const int line = frame.Client()->NoteView()->fontMetrics().lineSpacing();
    QVERIFY(frame.Client()->NoteView()->height() >= 3 * line);
    QVERIFY(frame.Client()->EntryLine()->height() >= line);

    // A lock key whose state the system does not tell has no box; the others never overlap.
    frame.ShowLockKeys({true, std::nullopt, false});
    QApplication::processEvents();
    const std::vector<QLabel*>& boxes = frame.LockKeyBoxes();
    QVERIFY(boxes[0]->isVisible() && boxes[0]->isEnabled());
    QVERIFY(!boxes[1]->isVisible());
    QVERIFY(boxes[2]->isVisible() && !boxes[2]->isEnabled());
    QVERIFY(!boxes[0]->geometry().intersects(boxes[2]->geometry()));
    QVERIFY(frame.statusBar()->rect().contains(boxes[2]->geometry()));
  }

  void exitRunsTheCloseQuery() {
    FakeApp app;
    TSDIDecFrame frame(&app, NewClient());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    app.mayClose = false;
    frame.MenuAction(CM_EXIT)->trigger();
    QCOMPARE(app.closeQueries, 1);
    QVERIFY(frame.isVisible());
    app.mayClose = true;
    frame.MenuAction(CM_EXIT)->trigger();
    QCOMPARE(app.closeQueries, 2);
    QVERIFY(!frame.isVisible());
  }

  void frameOwnsTheQuestions() {
    FakeApp app;
    TSDIDecFrame frame(&app, doc_);
    Prompter::Message(QStringLiteral("Category already in list!"));
    QCOMPARE(Prompter::History().back().caption, QStringLiteral("Brindamor, version 1.01"));
  }
};

// Shows the frame with some categories until it is closed (for looking at it).
int ShowFrame(int argc, char** argv) {
  QApplication qapp(argc, argv);
  FakeApp app;
  app.table.Add(CM_FILENEW, [] {});
  app.table.Add(CM_FILEOPEN, [] {});
  app.table.Add(CM_FILESAVE, [] {});
  app.table.Add(CM_HELPCONTENTS, [] { HelpWindow::ShowContents(); });
  app.table.Add(CM_HELPUSING, [] { HelpWindow::ShowHelpOnHelp(); });
  Document doc;
  const char* names[] = {"Default", "Work", "Home", "Phone numbers", "Caf\xE9s", "Links"};
  for (const char* name : names) doc.tabs.Append(Tab(name, 0, NO_PARENT));
  doc.tabs.Append(Tab("Projects", 0, 1));
  doc.tabs[1].notes.Add(NoteString{"Call the office about the new desk", 0});
  doc.tabs[1].notes.Add(NoteString{"Backup\r\n/usr/bin/rsync -a ~ /mnt/backup", 1});
  doc.tabs[1].notes.Add(NoteString{"Read https://www.example.org/notes", 0});
  TSDIDecFrame frame(&app, new TZeltoWindow(doc));
  TCatWindow* list = frame.Client()->CatList();
  for (std::uint32_t i = 0; i < std::size(names); ++i)
    list->SetItemData(list->AddString(names[i]), i);
  list->SetSelIndex(list->FindStringExact("Work"));
  frame.Client()->Commands().Add(
      CM_MULTILINE, [] {}, {}, [] { return true; });
  frame.Client()->Commands().Add(
      CM_ENABLEWEB, [] {}, {}, [] { return true; });
  frame.resize(640, 420);
  frame.show();
  frame.Client()->NoteView()->Lines().currentCategory = 1;
  frame.Client()->NoteView()->CountLines();
  return QApplication::exec();
}

}  // namespace zelto

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--show") == 0) return zelto::ShowFrame(1, argv);
  QApplication app(argc, argv);
  zelto::FrameTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "Frame_qtest.moc"
