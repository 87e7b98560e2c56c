#include "view/LineActivation.h"

#include <gtest/gtest.h>

#include "model/TreeOps.h"

namespace zelto {
namespace {

// Home (0) > Work (1) > {Beta (2), Alpha (3), Cut (4, cut away)}; Work has two notes.
struct ActivationTest : ::testing::Test {
  TabList tabs;
  NoteLines lines;
  MemoryCategoryList list;

  void SetUp() override {
    AppendCategory(tabs, "Home", 0, NO_PARENT);
    AppendCategory(tabs, "Work", 0, 0);
    AppendCategory(tabs, "Beta", 0, 1);
    AppendCategory(tabs, "Alpha", 0, 1);
    AppendCategory(tabs, "Cut", 0, 1);
    tabs[4].state = TabState::Cut;
    AppendCategory(tabs, "Other", 0, NO_PARENT);
    for (const char* t : {"n1", "n2"}) {
      NoteString n;
      n.text = t;
      tabs[1].notes.Add(n);
    }
    FillCategoryList(tabs, 0, 1, list);    // Work selected among Home's children
    UpdateLines(tabs, 1, lines, {0, 20});  // up-arrow, Beta, Alpha, n1, n2, end
  }
};

TEST_F(ActivationTest, SubcategoryLineGoesDownWithItsSiblingsListed) {
  const LineActivation a = ActivateLine(tabs, lines, 2, 1, list);  // Alpha
  EXPECT_EQ(a.kind, LineActivation::Kind::WentDown);
  EXPECT_EQ(list.GetCount(), 2);  // Alpha and Beta; not the cut category
  EXPECT_EQ(list.SelectedCategory(), 3);
  EXPECT_EQ(list.GetString(list.GetSelIndex()), "Alpha");
}

TEST_F(ActivationTest, UpArrowLineShowsTheParentAmongItsSiblings) {
  const LineActivation a = ActivateLine(tabs, lines, 0, 1, list);
  EXPECT_EQ(a.kind, LineActivation::Kind::WentUp);
  EXPECT_EQ(a.category, 0);
  EXPECT_EQ(list.GetCount(), 2);  // the top level: Home, Other
  EXPECT_EQ(list.SelectedCategory(), 0);
}

TEST_F(ActivationTest, NoteLinesAreReportedAndTheEndLineDoesNothing) {
  LineActivation a = ActivateLine(tabs, lines, 4, 1, list);
  EXPECT_EQ(a.kind, LineActivation::Kind::Note);
  EXPECT_EQ(a.category, 1);
  EXPECT_EQ(a.note, 1);
  EXPECT_EQ(ActivateLine(tabs, lines, 5, 1, list).kind, LineActivation::Kind::Nothing);
  EXPECT_EQ(ActivateLine(tabs, lines, 3, -1, list).kind, LineActivation::Kind::Nothing);
  EXPECT_EQ(list.SelectedCategory(), 1);  // untouched
}

TEST_F(ActivationTest, StaleCategoryLinesReadNoMissingCategory) {
  lines.lineCategories = {1, 40, 3};
  EXPECT_EQ(ActivateLine(tabs, lines, 1, 1, list).kind, LineActivation::Kind::Nothing);
  const LineActivation a = ActivateLine(tabs, lines, 2, 1, list);
  EXPECT_EQ(a.kind, LineActivation::Kind::WentDown);
  EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(ActivationTest, FillCategoryListWithoutTheSelectedOneLeavesNoSelection) {
  FillCategoryList(tabs, 1, 4, list);  // the cut category is not listed
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetSelIndex(), CategoryList::None);
}

}  // namespace
}  // namespace zelto
