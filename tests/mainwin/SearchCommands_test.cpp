#include "mainwin/SearchCommands.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStatusBar>

#include "app/AppFixture.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "mainwin/TSearchDialog.h"
#include "mainwin/TZeltoWindow.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto::testing {
namespace {

class SearchCommandsTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
    TabList& tabs = app->doc.tabs;
    tabs.Clear();
    tabs.Append(Tab("Default", 0, NO_PARENT));  // 0
    tabs.Append(Tab("Phone", 0, NO_PARENT));    // 1: no notes, its name matches
    tabs.Append(Tab("Work", 0, NO_PARENT));     // 2
    tabs.Append(Tab("Deep", 0, 2));             // 3: child of Work
    tabs.Append(Tab("Moved", 0, 3));            // 4: cut, child of Deep
    tabs[4].state = TabState::Cut;
    tabs[0].notes.Add(NoteString{"call phone company", 0});
    tabs[0].notes.Add(NoteString{"nothing here", 0});
    tabs[0].notes.Add(NoteString{"second\r\nPHONE line", 0});
    tabs[3].notes.Add(NoteString{"deep telephone", 0});
    tabs[4].notes.Add(NoteString{"cut phone", 0});
    notes = std::make_unique<TNoteWindow>(app->doc, app->CatList());
    search = std::make_unique<SearchCommands>(app->doc, app->search, *notes, *app->CatList(), table,
                                              nullptr);
  }
  void TearDown() override {
    search.reset();
    notes.reset();
    AppFixture::TearDown();
  }

  void Find(const char* text) {
    TSearchDialog::SetNextAnswer(QString::fromLatin1(text));
    table.DoCommand(CM_EDITFIND);
  }
  // The hit the note window was asked to show: category and note.
  std::pair<long long, long long> Shown() const {
    return {notes->Lines().searchCategory, notes->Lines().searchNote};
  }

  CommandTable table;
  std::unique_ptr<TNoteWindow> notes;
  std::unique_ptr<SearchCommands> search;
};

TEST_F(SearchCommandsTest, FindAndNextWalkTheDocumentAndWrapAfterABeep) {
  Find("PHONE");
  EXPECT_EQ(Shown(), std::make_pair(0LL, 0LL));
  table.DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(Shown(), std::make_pair(0LL, 2LL));  // a later line of a note counts
  table.DoCommand(CM_EDITFINDNEXT);              // category 1's name is no hit
  EXPECT_EQ(Shown(), std::make_pair(3LL, 0LL));
  EXPECT_EQ(notes->Lines().currentCategory, 3);
  // The list shows the level of the hit, with it selected.
  EXPECT_EQ(app->CatList()->SelectedCategory(), 3);
  EXPECT_EQ(app->CatList()->count(), 1);

  table.DoCommand(CM_EDITFINDNEXT);  // inside a cut category
  EXPECT_EQ(Shown(), std::make_pair(4LL, 0LL));
  EXPECT_EQ(app->CatList()->SelectedCategory(), 4);
  EXPECT_EQ(Prompter::BeepCount(), 0);

  table.DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(Prompter::BeepCount(), 1);
  EXPECT_EQ(app->search.searchNote, -1);
  table.DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(Shown(), std::make_pair(0LL, 0LL));
}

TEST_F(SearchCommandsTest, StatusBarSaysWhereTheHitIsOrThatThereIsNone) {
  // The program's own main window: its search commands show hits in its detail window.
  TZeltoWindow& main = *app->MainWindow();
  const auto status = [this] { return app->Frame()->statusBar()->currentMessage(); };
  const auto selected = [&main] { return main.EntryLine()->textCursor().selectedText(); };

  TSearchDialog::SetNextAnswer(QStringLiteral("PHONE"));
  main.Commands().DoCommand(CM_EDITFIND);
  EXPECT_EQ(status(), "Found in /Default");
  EXPECT_EQ(selected(), "phone");
  // A refresh of the note window hands the detail window the same text: the selection stays.
  int handed = 0;
  QObject::connect(main.NoteView(), &TNoteWindow::DetailTextChanged, [&handed] { ++handed; });
  main.NoteView()->Refresh();
  EXPECT_EQ(handed, 1);
  EXPECT_EQ(main.EntryLine()->toPlainText(), "call phone company");
  EXPECT_EQ(selected(), "phone");

  main.Commands().DoCommand(CM_EDITFINDNEXT);  // on the second line of a note
  EXPECT_EQ(selected(), "PHONE");
  EXPECT_EQ(main.EntryLine()->textCursor().selectionStart(), 7);
  main.Commands().DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(status(), "Found in /Work/Deep");

  main.Commands().DoCommand(CM_EDITFINDNEXT);
  main.Commands().DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(Prompter::BeepCount(), 1);
  EXPECT_EQ(status(), "Not found: PHONE");
}

TEST_F(SearchCommandsTest, CancelKeepsThePositionAndFindStartsAgain) {
  Find("phone");
  table.DoCommand(CM_EDITFINDNEXT);
  TSearchDialog::SetNextAnswer(std::nullopt);
  table.DoCommand(CM_EDITFIND);
  EXPECT_EQ(app->search.searchText, "phone");
  table.DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(Shown(), std::make_pair(3LL, 0LL));

  Find("phone");
  EXPECT_EQ(Shown(), std::make_pair(0LL, 0LL));
}

TEST_F(SearchCommandsTest, EmptyTextFindsEveryNoteAndAMissBeeps) {
  Find("");
  EXPECT_EQ(Shown(), std::make_pair(0LL, 0LL));
  table.DoCommand(CM_EDITFINDNEXT);
  EXPECT_EQ(Shown(), std::make_pair(0LL, 1LL));

  Find("no such text");
  EXPECT_EQ(Prompter::BeepCount(), 1);
  EXPECT_EQ(Shown(), std::make_pair(0LL, 1LL));  // nothing new shown
}

TEST_F(SearchCommandsTest, TextNotesCannotHoldIsRefusedAndKeepsTheDialogOpen) {
  app->search.searchText = "old";
  std::string text = app->search.searchText;
  TSearchDialog dialog(text);
  dialog.Edit()->setText(QStringLiteral("\u4e2d"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(text, "old");
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message), 1);

  dialog.Edit()->setText(QStringLiteral("caf\u00e9"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(text, "caf\xe9");
}

}  // namespace
}  // namespace zelto::testing
