#include "view/NoteLines.h"

#include <gtest/gtest.h>

#include "model/TreeOps.h"

namespace zelto {
namespace {

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
  // An update with `rows` lines in view from line `first`.
  std::optional<std::string> Update(int selected, int first, int rows) {
    return UpdateLines(tabs, selected, lines, {first, rows});
  }
  // The lines a paint of `rows` lines from line `first` draws.
  std::vector<PaintedLine> Drawn(int first, int rows) const {
    return LinesToPaint(tabs, lines, first, first + rows);
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

TEST_F(LinesFixture, UpdateRecordsCategoryLinesAndClassifiesLines) {
  AddNotes(1, 2);
  Update(1, 0, 10);
  ASSERT_TRUE(lines.shown);
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
  Update(0, 0, 10);
  EXPECT_EQ(lines.lineCategories, (TabIndex{1, 3}));
  EXPECT_FALSE(lines.IsUpArrowLine(0));
}

TEST_F(LinesFixture, CurrentUpArrowAndSubcategoryLinesClearTheDetailText) {
  lines.currentLine = 0;
  EXPECT_EQ(Update(1, 0, 10), std::string());
  const std::vector<PaintedLine> drawn = Drawn(0, 10);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn[0].kind, PaintedKind::UpArrow);
  EXPECT_TRUE(drawn[0].current);

  lines.currentLine = 1;  // Deep
  EXPECT_EQ(Update(1, 0, 10), std::string());
  EXPECT_EQ(lines.currentSubcategory, 4);
}

TEST_F(LinesFixture, CurrentNoteHandsItsWholeTextToTheDetailWindowWhileInView) {
  NoteString n;
  n.text = "first\r\nsecond";
  tabs[4].notes.Add(n);
  lines.currentLine = 1;
  EXPECT_EQ(Update(4, 0, 10), n.text);
  EXPECT_EQ(lines.currentNote, 0);
  // Scrolled out of view: the detail window keeps what it shows.
  EXPECT_FALSE(Update(4, 2, 10).has_value());
}

TEST_F(LinesFixture, EmptyCategoryPullsTheCurrentLineBackToTheEndLine) {
  AppendCategory(tabs, "Empty", 0, NO_PARENT);
  lines.currentLine = 7;
  EXPECT_EQ(Update(5, 0, 10), std::string());
  EXPECT_EQ(lines.currentLine, 0);
  const std::vector<PaintedLine> drawn = Drawn(0, 10);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].kind, PaintedKind::End);
  EXPECT_TRUE(drawn[0].current);

  // With a parent: line 0 is the up-arrow line, line 1 the end line.
  lines.currentLine = 5;
  Update(4, 0, 10);
  EXPECT_EQ(lines.currentLine, 1);
}

TEST_F(LinesFixture, NoSelectionKeepsTheLineDataAndEmptiesTheDetailWindow) {
  Update(1, 0, 10);
  const TabIndex before = lines.lineCategories;
  EXPECT_EQ(Update(-1, 0, 10), std::string());
  EXPECT_TRUE(lines.shown);
  EXPECT_EQ(lines.lineCategories, before);
  EXPECT_EQ(lines.currentCategory, 1);

  Update(1234, 0, 10);  // stale item data names no category: nothing is drawn
  EXPECT_FALSE(lines.shown);
  EXPECT_TRUE(Drawn(0, 10).empty());
}

TEST_F(LinesFixture, PaintDrawsOnlyTheLinesAskedForFromTheStateOfTheUpdate) {
  AddNotes(0, 100);
  lines.currentLine = 50;
  Update(0, 40, 5);
  EXPECT_TRUE(lines.lineCountValid);
  EXPECT_EQ(lines.lineCount, 102);  // counted whole, whatever is in view
  const NoteLines before = lines;
  const std::vector<PaintedLine> drawn = Drawn(40, 5);  // lines 40..44
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn.front().line, 40);
  EXPECT_EQ(drawn.front().item, 38);          // two subcategory lines come first
  EXPECT_EQ(Drawn(98, 10).back().line, 101);  // the last note; the end line is not current
  EXPECT_EQ(lines.currentLine, before.currentLine);
  EXPECT_EQ(lines.lineCategories, before.lineCategories);
  EXPECT_TRUE(Drawn(-3, 2).empty());
}

TEST_F(LinesFixture, AddedNoteBecomesCurrentWhenItsLineComesIntoView) {
  AddNotes(0, 30);
  lines.showAddedNote = true;
  lines.addedNote = 20;                        // line 22, below the lines 0..9 in view
  EXPECT_EQ(Update(0, 0, 10), std::string());  // no line is current: nothing in detail
  EXPECT_TRUE(lines.showAddedNote);
  EXPECT_EQ(lines.currentLine, PendingLine);
  for (const PaintedLine& l : Drawn(0, 10)) EXPECT_FALSE(l.current);

  EXPECT_EQ(Update(0, 18, 10), "note 1020");
  EXPECT_FALSE(lines.showAddedNote);
  EXPECT_EQ(lines.currentLine, 22);
  EXPECT_EQ(lines.currentNote, 20);
  int currentLines = 0;
  for (const PaintedLine& l : Drawn(18, 10)) currentLines += l.current;
  EXPECT_EQ(currentLines, 1);
}

TEST_F(LinesFixture, AddedNoteNotFoundMakesTheEndLineCurrent) {
  AddNotes(0, 3);
  lines.showAddedNote = true;
  lines.addedNote = 2147483647;
  Update(0, 0, 10);
  EXPECT_EQ(lines.currentLine, 5);   // two subcategories, three notes, end line
  EXPECT_TRUE(lines.showAddedNote);  // never reached
}

TEST_F(LinesFixture, NothingInViewSettlesNothing) {
  AddNotes(0, 3);
  lines.showAddedNote = true;
  lines.addedNote = 0;
  Update(0, 0, 0);
  EXPECT_TRUE(lines.showAddedNote);
  EXPECT_EQ(lines.lineCount, 5);
}

TEST_F(LinesFixture, SearchHitShowsItsCategoryOnItsTrueLineEvenBelowTheSubcategories) {
  // Many subcategories below the window, then the hit on the first note.
  for (int i = 0; i < 20; ++i) AppendCategory(tabs, "Sub" + std::to_string(i), 0, 3);
  AddNotes(3, 2);
  lines.showSearchHit = true;
  lines.searchCategory = 3;
  lines.searchNote = 0;
  Update(0, 0, 5);  // the list still selects the top category
  EXPECT_EQ(lines.currentCategory, 3);
  EXPECT_FALSE(lines.showSearchHit);
  EXPECT_EQ(lines.currentLine, 21);  // up-arrow line + 20 subcategories
  EXPECT_EQ(lines.lineCategories.size(), 21u);
}

TEST_F(LinesFixture, ScrollingStopsWithTheEndLineAtTheBottom) {
  EXPECT_EQ(ScrollRangeFor(42, 10), 33);  // lines 33 .. 42, the end line last
  EXPECT_EQ(ScrollRangeFor(8, 9), 0);     // nine lines in nine rows: nothing to scroll
  EXPECT_EQ(ScrollRangeFor(8, 30), 0);
  EXPECT_EQ(ScrollRangeFor(8, 0), 9);  // a window too small for one line
}

}  // namespace
}  // namespace zelto
