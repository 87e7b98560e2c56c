#include "view/NoteLines.h"

#include <gtest/gtest.h>

#include "model/TreeOps.h"

namespace zelto {
namespace {

constexpr int H = 20;

// Top (0) with children Alpha (1), Cut (2, cut away) and Beta (3); Alpha has a child (4).
struct LinesFixture : ::testing::Test {
  TabList tabs;
  NoteLines lines;

  void SetUp() override {
    AppendCategory(tabs, "Top", 0, NO_PARENT);
    AppendCategory(tabs, "Alpha", 0, 0);
    AppendCategory(tabs, "Cut", 0, 0);
    tabs[2].state = TabState::Cut;
    AppendCategory(tabs, "Beta", 0, 0);
    AppendCategory(tabs, "Deep", 0, 1);
  }
  void AddNotes(TabInx cat, int count) {
    for (int i = 0; i < count; ++i) {
      NoteString n;
      n.text = "note " + std::to_string(1000 + i);
      tabs[cat].notes.Add(n);
    }
  }
  // A paint of the whole band of `rows` lines from line `from`.
  PaintPlan Paint(long long selected, long long from, long long rows) {
    return PlanPaint(tabs, selected, lines, {from * H, (from + rows) * H}, H, 10);
  }
};

TEST_F(LinesFixture, CountLinesWithAndWithoutUpArrowLineSkipsCutCategories) {
  AddNotes(0, 3);
  lines.currentCategory = 0;
  lines.CountLines(tabs);
  EXPECT_FALSE(lines.hasParentLine);
  EXPECT_EQ(lines.lineCount, 2 + 3);  // Alpha, Beta (not Cut), three notes
  EXPECT_EQ(lines.LineOfNote(tabs, 0), 2);

  AddNotes(1, 2);
  lines.currentCategory = 1;
  EXPECT_EQ(lines.LineOfNote(tabs, 1), 3);  // up-arrow, Deep, note 0, note 1
  EXPECT_TRUE(lines.hasParentLine);
  EXPECT_EQ(lines.lineCount, 1 + 1 + 2);
  EXPECT_TRUE(lines.lineCountValid);

  lines.currentCategory = 4;  // a leaf with a parent: up-arrow line, then the end line
  lines.CountLines(tabs);
  EXPECT_EQ(lines.lineCount, 1);

  lines.currentCategory = 99;  // no such category: nothing read, nothing counted
  lines.CountLines(tabs);
  EXPECT_EQ(lines.lineCount, 0);
  EXPECT_FALSE(lines.hasParentLine);
}

TEST_F(LinesFixture, PaintRecordsCategoryLinesAndClassifiesLines) {
  AddNotes(1, 2);
  const PaintPlan plan = Paint(1, 0, 10);
  ASSERT_TRUE(plan.shown);
  EXPECT_EQ(lines.lineCategories, (TabIndex{1, 4}));  // the shown category, then Deep
  EXPECT_EQ(lines.lineCount, 4);
  EXPECT_EQ(lines.GetLineKind(tabs, 1, 0), LineKind::CategoryLine);
  EXPECT_TRUE(lines.IsUpArrowLine(0));
  EXPECT_EQ(lines.GetLineKind(tabs, 1, 1), LineKind::CategoryLine);
  EXPECT_EQ(lines.CategoryOfLine(1), TabInx{4});
  EXPECT_EQ(lines.GetLineKind(tabs, 1, 2), LineKind::NoteLine);
  EXPECT_EQ(lines.GetLineKind(tabs, 1, 3), LineKind::NoteLine);
  EXPECT_EQ(lines.GetLineKind(tabs, 1, 4), LineKind::EndLine);
  EXPECT_EQ(lines.GetLineKind(tabs, 1, -1), LineKind::EndLine);
  EXPECT_FALSE(lines.CategoryOfLine(2).has_value());

  // The top level has no up-arrow line: its first subcategory is line 0.
  Paint(0, 0, 10);
  EXPECT_EQ(lines.lineCategories, (TabIndex{1, 3}));
  EXPECT_FALSE(lines.IsUpArrowLine(0));
}

TEST_F(LinesFixture, CurrentUpArrowLineClearsTheDetailText) {
  lines.currentLine = 0;
  const PaintPlan plan = Paint(1, 0, 10);
  ASSERT_FALSE(plan.lines.empty());
  EXPECT_EQ(plan.lines[0].kind, PaintedKind::UpArrow);
  EXPECT_TRUE(plan.lines[0].current);
  EXPECT_EQ(plan.detailText, std::string());
}

TEST_F(LinesFixture, CurrentNoteHandsItsWholeTextToTheDetailWindow) {
  NoteString n;
  n.text = "first\r\nsecond";
  tabs[4].notes.Add(n);
  lines.currentLine = 1;
  const PaintPlan plan = Paint(4, 0, 10);
  EXPECT_EQ(plan.detailText, n.text);
  EXPECT_EQ(lines.currentNote, 0);
}

TEST_F(LinesFixture, EmptyCategoryPullsTheCurrentLineBackToTheEndLine) {
  AppendCategory(tabs, "Empty", 0, NO_PARENT);
  lines.currentLine = 7;
  const PaintPlan plan = Paint(5, 0, 10);
  EXPECT_EQ(lines.currentLine, 0);
  ASSERT_EQ(plan.lines.size(), 1u);
  EXPECT_EQ(plan.lines[0].kind, PaintedKind::End);
  EXPECT_TRUE(plan.lines[0].current);
  EXPECT_EQ(plan.detailText, std::string());

  // With a parent: line 0 is the up-arrow line, line 1 the end line.
  lines.currentLine = 5;
  Paint(4, 0, 10);
  EXPECT_EQ(lines.currentLine, 1);
}

TEST_F(LinesFixture, NoSelectionPaintsNothingAndKeepsTheLineData) {
  Paint(1, 0, 10);
  const TabIndex before = lines.lineCategories;
  const PaintPlan plan = Paint(-1, 0, 10);
  EXPECT_FALSE(plan.shown);
  EXPECT_TRUE(plan.lines.empty());
  EXPECT_EQ(lines.lineCategories, before);
  EXPECT_EQ(lines.currentCategory, 1);

  EXPECT_FALSE(Paint(1234, 0, 10).shown);  // stale item data names no category
}

TEST_F(LinesFixture, PartialPaintVisitsOnlyTheBandAndLeavesTheCountInvalid) {
  AddNotes(0, 100);
  lines.currentLine = 50;
  const PaintPlan plan = Paint(0, 40, 5);  // lines 40..44
  ASSERT_EQ(plan.lines.size(), 5u);
  EXPECT_EQ(plan.lines.front().line, 40);
  EXPECT_EQ(plan.lines.front().item, 38u);  // two subcategory lines come first
  EXPECT_FALSE(lines.lineCountValid);
  EXPECT_EQ(lines.lineCategories.size(), 2u);  // still complete

  // A band covering the end of the list completes the count; the current line is kept.
  const PaintPlan tail = Paint(0, 98, 10);
  EXPECT_EQ(tail.lines.back().line, 101);
  EXPECT_TRUE(lines.lineCountValid);
  EXPECT_EQ(lines.lineCount, 102);
  EXPECT_EQ(lines.currentLine, 50);
}

TEST_F(LinesFixture, AddedNoteBecomesCurrentWhenItsLineIsReached) {
  AddNotes(0, 30);
  lines.showAddedNote = true;
  lines.addedNote = 20;  // line 22, below a band of lines 0..9
  Paint(0, 0, 10);
  EXPECT_TRUE(lines.showAddedNote);
  EXPECT_EQ(lines.currentLine, PendingLine);
  EXPECT_FALSE(lines.lineCountValid);

  const PaintPlan plan = Paint(0, 18, 10);
  EXPECT_FALSE(lines.showAddedNote);
  EXPECT_EQ(lines.currentLine, 22);
  EXPECT_EQ(lines.currentNote, 20);
  int currentLines = 0;
  for (const PaintedLine& l : plan.lines) currentLines += l.current;
  EXPECT_EQ(currentLines, 1);
}

TEST_F(LinesFixture, AddedNoteNotFoundMakesTheEndLineCurrent) {
  AddNotes(0, 3);
  lines.showAddedNote = true;
  lines.addedNote = 2147483647;
  Paint(0, 0, 10);
  EXPECT_EQ(lines.currentLine, 5);   // two subcategories, three notes, end line
  EXPECT_TRUE(lines.showAddedNote);  // never reached
}

TEST_F(LinesFixture, SearchHitShowsItsCategoryOnItsTrueLineEvenBelowTheSubcategories) {
  // Many subcategories below the band, then the hit on the first note.
  for (int i = 0; i < 20; ++i) AppendCategory(tabs, "Sub" + std::to_string(i), 0, 3);
  AddNotes(3, 2);
  lines.showSearchHit = true;
  lines.searchCategory = 3;
  lines.searchNote = 0;
  Paint(0, 0, 5);  // the list still selects the top category
  EXPECT_EQ(lines.currentCategory, 3);
  EXPECT_FALSE(lines.showSearchHit);
  EXPECT_EQ(lines.currentLine, 21);  // up-arrow line + 20 subcategories
  EXPECT_EQ(lines.lineCategories.size(), 21u);
}

TEST_F(LinesFixture, LargeCategoryPendingLineIsNeverARealLine) {
  AddNotes(4, 30010);
  lines.showSearchHit = true;
  lines.searchCategory = 4;
  lines.searchNote = 30009;  // line 30010
  const PaintPlan plan = Paint(4, 29998, 5);
  for (const PaintedLine& l : plan.lines) EXPECT_FALSE(l.current) << l.line;
  EXPECT_FALSE(plan.detailText.has_value());
}

TEST_F(LinesFixture, ScrollRangeStaysWithinFiveLinesOfTheCount) {
  AddNotes(0, 40);
  lines.currentCategory = 0;
  const PaintPlan plan = PlanPaint(tabs, 0, lines, {0, 200}, H, 10);
  EXPECT_EQ(plan.scrollRange, 42 + 5);
  const PaintPlan again = PlanPaint(tabs, 0, lines, {0, 200}, H, 45);
  EXPECT_FALSE(again.scrollRange.has_value());
}

}  // namespace
}  // namespace zelto
