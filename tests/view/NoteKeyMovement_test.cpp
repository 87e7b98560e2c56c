#include "view/NoteKeyMovement.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

// A window of 5 whole lines of 20 pixels.
NoteViewport View(int top, int count, int current, int height = 100) {
  return {20, height, top, count, current};
}

TEST(NoteKeyMovement, PageDownAndPageUpKeepTheCurrentLineOnScreen) {
  NoteMove m = MoveCurrentLine(NoteKey::PageDown, false, View(0, 100, 2));
  EXPECT_EQ(m.scrollPos, 5);
  EXPECT_EQ(m.currentLine, 7);
  EXPECT_EQ(m.repaint, NoteMove::Repaint::Whole);

  // Near the end the last page is shown whole and the current line moves as far.
  m = MoveCurrentLine(NoteKey::PageDown, false, View(93, 100, 94));
  EXPECT_EQ(m.scrollPos, 95);
  EXPECT_EQ(m.currentLine, 96);

  // Nothing left below the page.
  m = MoveCurrentLine(NoteKey::PageDown, false, View(95, 100, 97));
  EXPECT_EQ(m.repaint, NoteMove::Repaint::None);
  EXPECT_EQ(m.currentLine, 97);

  m = MoveCurrentLine(NoteKey::PageUp, false, View(3, 100, 4));
  EXPECT_EQ(m.scrollPos, 0);
  EXPECT_EQ(m.currentLine, 1);
  EXPECT_EQ(MoveCurrentLine(NoteKey::PageUp, false, View(0, 100, 4)).repaint,
            NoteMove::Repaint::None);
}

TEST(NoteKeyMovement, DownReachesTheEndLineAndStopsThere) {
  NoteMove m = MoveCurrentLine(NoteKey::Down, false, View(0, 3, 2));
  EXPECT_EQ(m.currentLine, 3);  // the end line
  EXPECT_EQ(m.repaint, NoteMove::Repaint::TwoLines);
  EXPECT_EQ(m.previousLine, 2);

  m = MoveCurrentLine(NoteKey::Down, false, View(0, 3, 3));
  EXPECT_EQ(m.repaint, NoteMove::Repaint::None);
  EXPECT_EQ(m.currentLine, 3);

  // Leaving the bottom of the window scrolls by one line.
  m = MoveCurrentLine(NoteKey::Down, false, View(0, 50, 4));
  EXPECT_EQ(m.currentLine, 5);
  EXPECT_EQ(m.scrollPos, 1);
  EXPECT_EQ(m.repaint, NoteMove::Repaint::Whole);

  // A partly visible line counts as below the window.
  m = MoveCurrentLine(NoteKey::Down, false, View(0, 50, 3, 90));
  EXPECT_EQ(m.scrollPos, 1);
}

TEST(NoteKeyMovement, UpStopsAtLineZeroAndScrollsAtTheTop) {
  EXPECT_EQ(MoveCurrentLine(NoteKey::Up, false, View(0, 10, 0)).repaint, NoteMove::Repaint::None);
  const NoteMove m = MoveCurrentLine(NoteKey::Up, false, View(4, 10, 4));
  EXPECT_EQ(m.currentLine, 3);
  EXPECT_EQ(m.scrollPos, 3);
}

TEST(NoteKeyMovement, HomeAndEnd) {
  NoteMove m = MoveCurrentLine(NoteKey::End, false, View(0, 100, 3));
  EXPECT_EQ(m.currentLine, 99);
  EXPECT_EQ(m.scrollPos, 95);
  m = MoveCurrentLine(NoteKey::Home, false, View(95, 100, 99));
  EXPECT_EQ(m.currentLine, 0);
  EXPECT_EQ(m.scrollPos, 0);

  // A category with only the end line: End stays on line 0 instead of going above it.
  m = MoveCurrentLine(NoteKey::End, false, View(0, 0, 0));
  EXPECT_EQ(m.currentLine, 0);
  EXPECT_EQ(m.scrollPos, 0);
}

TEST(NoteKeyMovement, ShiftHandsEveryMovementKeyToTheCategoryList) {
  for (NoteKey key : {NoteKey::PageUp, NoteKey::PageDown, NoteKey::Home, NoteKey::End, NoteKey::Up,
                      NoteKey::Down}) {
    const NoteMove m = MoveCurrentLine(key, true, View(3, 100, 5));
    EXPECT_TRUE(m.toCategoryList);
    EXPECT_EQ(m.currentLine, 5);
    EXPECT_EQ(m.scrollPos, 3);
  }
}

TEST(NoteKeyMovement, WindowLowerThanOneLineDoesNotMoveThePage) {
  const NoteMove m = MoveCurrentLine(NoteKey::PageDown, false, View(0, 10, 0, 5));
  EXPECT_EQ(m.scrollPos, 0);
  EXPECT_EQ(m.currentLine, 0);
}

TEST(ScrollToLine, BringsALineIntoView) {
  EXPECT_EQ(ScrollToLine(2, View(10, 100, 0)), 2);    // above: to the top
  EXPECT_EQ(ScrollToLine(12, View(10, 100, 0)), 10);  // visible: unchanged
  EXPECT_EQ(ScrollToLine(40, View(10, 100, 0)), 38);  // below: half a window above
  EXPECT_EQ(ScrollToLine(15, View(10, 100, 0)), 13);  // just below the last whole line
}

}  // namespace
}  // namespace zelto
