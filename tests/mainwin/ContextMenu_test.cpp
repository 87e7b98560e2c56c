#include "mainwin/ContextMenu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/CommandIds.h"
#include "model/TreeOps.h"

namespace zelto {
namespace {

struct ContextMenuTest : ::testing::Test {
  TabList tabs;
  ContextMenuState state;

  void SetUp() override {
    AppendCategory(tabs, "Default", 0, NO_PARENT);  // 0
    AppendCategory(tabs, "Work", 0, NO_PARENT);     // 1
    AppendCategory(tabs, "default", 0, 1);          // 2, one level down
    state.currentCategory = 1;
    state.defaultCat = "DEFAULT";
  }
  std::vector<int> Ids() const {
    std::vector<int> ids;
    for (const MenuItem& item : ComposeContextMenu(tabs, state)) ids.push_back(item.id);
    return ids;
  }
  bool Has(int id) const {
    const auto ids = Ids();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
  }
  std::string TextOf(int id) const {
    for (const MenuItem& item : ComposeContextMenu(tabs, state))
      if (item.id == id) return item.text;
    return "<missing>";
  }
};

TEST_F(ContextMenuTest, NoteLineInTheNoteWindowOffersEverythingInOrder) {
  state.lineKind = LineKind::NoteLine;
  state.fromNoteWindow = true;
  state.clipboardHasText = true;
  state.cutPending = true;
  state.noteActions = {{CM_RUN, "Run", true}, {CM_LINKURL, "Link to URL http://x", true}};
  EXPECT_EQ(Ids(), (std::vector<int>{CM_ADDNOTE, CM_ADDCATEGORY, CM_ADDSUBCATEGORY, CM_ADDPROGRAM,
                                     CM_EDITPASTE, CM_EDITCOPY, CM_DELETENOTE, CM_EDITCATEGORY,
                                     CM_EDITNOTE, CM_DELETECATEGORY, CM_PASTETREECHILD,
                                     CM_PASTETREESIBLING, CM_RUN, CM_LINKURL}));
  EXPECT_EQ(TextOf(CM_EDITCATEGORY), "Edit category Work");
  // Both paste items name the current category.
  EXPECT_EQ(TextOf(CM_PASTETREECHILD), "Paste tree as child of Work");
  EXPECT_EQ(TextOf(CM_PASTETREESIBLING), "Paste tree as sibling of Work");
  for (const MenuItem& item : ComposeContextMenu(tabs, state)) EXPECT_TRUE(item.enabled);
}

TEST_F(ContextMenuTest, CategoryListClickLeavesOutTheNoteWindowItems) {
  state.lineKind = LineKind::NoteLine;
  state.fromNoteWindow = false;
  state.noteActions = {{CM_RUN, "Run", true}};
  EXPECT_FALSE(Has(CM_EDITCOPY));
  EXPECT_FALSE(Has(CM_DELETENOTE));
  EXPECT_FALSE(Has(CM_RUN));
  EXPECT_TRUE(Has(CM_EDITNOTE));  // still there, by the note window's current line

  state.lineKind = LineKind::CategoryLine;
  state.lineCategory = 2;
  EXPECT_TRUE(Has(CM_EDITSUBCATEGORY));
  EXPECT_FALSE(Has(CM_DELETESUBCATEGORY));
}

TEST_F(ContextMenuTest, SubcategoryLineButNotTheUpArrowLine) {
  state.fromNoteWindow = true;
  state.lineKind = LineKind::CategoryLine;
  state.lineCategory = 2;
  EXPECT_EQ(TextOf(CM_EDITSUBCATEGORY), "Edit subcategory default");
  EXPECT_EQ(TextOf(CM_DELETESUBCATEGORY), "Delete subcategory default");

  state.upArrowLine = true;
  state.lineCategory = 1;
  EXPECT_FALSE(Has(CM_EDITSUBCATEGORY));
  EXPECT_FALSE(Has(CM_DELETESUBCATEGORY));
}

TEST_F(ContextMenuTest, DefaultCategoryAtTheTopCannotBeDeleted) {
  state.currentCategory = 0;  // "Default" against "DEFAULT"
  EXPECT_FALSE(Has(CM_DELETECATEGORY));
  EXPECT_FALSE(NoteCommandEnabled(CM_DELETECATEGORY, tabs, state));
  state.currentCategory = 2;  // the same name one level down
  EXPECT_EQ(TextOf(CM_DELETECATEGORY), "Delete category default");
  EXPECT_TRUE(NoteCommandEnabled(CM_DELETECATEGORY, tabs, state));
}

TEST_F(ContextMenuTest, EndLineAndEmptyClipboard) {
  state.fromNoteWindow = true;
  state.lineKind = LineKind::EndLine;
  state.noteActions = {{CM_RUN, "Run", true}};
  EXPECT_EQ(Ids(), (std::vector<int>{CM_ADDNOTE, CM_ADDCATEGORY, CM_ADDSUBCATEGORY, CM_ADDPROGRAM,
                                     CM_EDITCATEGORY, CM_DELETECATEGORY}));
}

TEST_F(ContextMenuTest, NoCurrentCategoryNamesNoneAndDisablesWhatNeedsOne) {
  state.currentCategory.reset();
  state.cutPending = true;
  state.clipboardHasText = true;
  for (const MenuItem& item : ComposeContextMenu(tabs, state)) {
    EXPECT_NE(item.id, CM_EDITCATEGORY);
    EXPECT_NE(item.id, CM_DELETECATEGORY);
    EXPECT_NE(item.id, CM_PASTETREECHILD);
    if (item.id == CM_ADDNOTE || item.id == CM_EDITPASTE) {
      EXPECT_FALSE(item.enabled);
    }
  }
  state.currentCategory = 77;  // stale: treated like no category
  EXPECT_FALSE(Has(CM_EDITCATEGORY));
}

TEST_F(ContextMenuTest, CurrentLineOfTheNoteWindowDecidesTheSubcategoryItems) {
  NoteLines lines;
  UpdateLines(tabs, 2, lines, {0, 10});  // "default" under Work: up-arrow, end line
  lines.currentLine = 0;
  DescribeCurrentLine(lines, tabs, 2, state);
  state.fromNoteWindow = true;
  EXPECT_TRUE(state.upArrowLine);
  EXPECT_EQ(state.lineKind, LineKind::CategoryLine);
  EXPECT_FALSE(Has(CM_EDITSUBCATEGORY));
  EXPECT_EQ(TextOf(CM_DELETECATEGORY), "Delete category default");

  UpdateLines(tabs, 1, lines, {0, 10});  // Work: its subcategory on line 0
  lines.currentLine = 0;
  DescribeCurrentLine(lines, tabs, 1, state);
  EXPECT_FALSE(state.upArrowLine);
  EXPECT_EQ(TextOf(CM_DELETESUBCATEGORY), "Delete subcategory default");
}

TEST_F(ContextMenuTest, MenuBarEnablersFollowTheCurrentLine) {
  state.lineKind = LineKind::CategoryLine;
  EXPECT_TRUE(NoteCommandEnabled(CM_EDITSUBCATEGORY, tabs, state));
  EXPECT_FALSE(NoteCommandEnabled(CM_EDITNOTE, tabs, state));
  EXPECT_FALSE(NoteCommandEnabled(CM_DELETENOTE, tabs, state));
  state.lineKind = LineKind::NoteLine;
  EXPECT_TRUE(NoteCommandEnabled(CM_DELETENOTE, tabs, state));
  EXPECT_FALSE(NoteCommandEnabled(CM_DELETESUBCATEGORY, tabs, state));
  EXPECT_FALSE(NoteCommandEnabled(CM_EDITPASTE, tabs, state));
  EXPECT_TRUE(NoteCommandEnabled(CM_EDITFIND, tabs, state));
}

}  // namespace
}  // namespace zelto
