#include "mainwin/CategoryCommands.h"

#include <gtest/gtest.h>

#include <QStatusBar>

#include "app/AppFixture.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "mainwin/TZeltoWindow.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto::testing {
namespace {

using CategoryCommandsTest = AppFixture;

// The program's own main window after Delete Category with Yes, when no other category's
// name takes the cut one's place: nothing is selected, and the window must not look stuck.
TEST_F(CategoryCommandsTest, CuttingTheShownCategoryEmptiesTheDetailWindowAndSaysWhatNext) {
  Start();
  TZeltoWindow& main = *app->MainWindow();
  TabList& tabs = app->doc.tabs;
  tabs.Clear();
  tabs.Append(Tab("Home", 0, NO_PARENT));  // 0
  tabs.Append(Tab("Work", 0, NO_PARENT));  // 1
  tabs[1].notes.Add(NoteString{"Call Ann", 0});
  main.NoteView()->FillCategoryList(NO_PARENT, 1);
  main.NoteView()->SetCurrentLine(0);
  ASSERT_EQ(main.EntryLine()->toPlainText(), "Call Ann");

  Prompter::SetNextAnswer(Prompter::Answer::Yes);
  main.Commands().DoCommand(CM_DELETECATEGORY);
  ASSERT_EQ(tabs[1].state, TabState::Cut);
  ASSERT_EQ(app->CatList()->SelectedCategory(), CategoryList::None);
  EXPECT_EQ(main.EntryLine()->toPlainText(), "");
  EXPECT_EQ(app->Frame()->statusBar()->currentMessage(),
            "Category Work is cut: choose a category and paste it as child or sibling");

  // Pasting it back ends the note.
  app->CatList()->SetSelIndex(0);
  main.Commands().DoCommand(CM_PASTETREECHILD);
  EXPECT_EQ(tabs[1].state, TabState::Normal);
  EXPECT_EQ(app->Frame()->statusBar()->currentMessage(), "");
}

}  // namespace
}  // namespace zelto::testing
