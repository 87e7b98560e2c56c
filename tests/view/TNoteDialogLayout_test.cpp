// The note dialog's controls after a change of size.
#include "view/TNoteDialogLayout.h"

#include <gtest/gtest.h>

using namespace zelto;

namespace {

// The classic dialog font: 326 x 125 dialog units are 489 x 203 pixels, the OK button 75 x 23.
NoteDialogMetrics Classic() {
  NoteDialogMetrics m;
  m.clientWidth = 489;
  m.clientHeight = 203;
  m.buttonWidth = 75;
  m.buttonHeight = 23;
  m.editLeft = 6;
  m.editTop = 7;
  m.checkWidth = 12;
  m.checkHeight = 20;
  m.labelWidth1 = 72;
  m.labelWidth2 = 90;
  m.labelHeight = 13;
  return m;
}

}  // namespace

TEST(NoteDialogLayout, ButtonsColumnAtTheRightAndTheFieldTakesTheRest) {
  const NoteDialogLayout l = LayOutNoteDialog(Classic());
  // x = 489 - 75 - 15; each button 23 + 15 below the one before.
  EXPECT_EQ(l.ok, (LayoutRect{399, 20, 75, 23}));
  EXPECT_EQ(l.cancel, (LayoutRect{399, 58, 75, 23}));
  EXPECT_EQ(l.help, (LayoutRect{399, 96, 75, 23}));
  EXPECT_EQ(l.noPrintBox, (LayoutRect{399, 134, 12, 20}));
  EXPECT_EQ(l.label1, (LayoutRect{419, 134, 72, 13}));
  EXPECT_EQ(l.label2, (LayoutRect{419, 149, 90, 13}));
  EXPECT_EQ(l.edit, (LayoutRect{6, 7, 379, 188}));
}

TEST(NoteDialogLayout, FollowsTheSizeAndScalesItsSpacingWithTheFont) {
  NoteDialogMetrics m = Classic();
  m.clientWidth = 800;
  m.clientHeight = 600;
  NoteDialogLayout l = LayOutNoteDialog(m);
  EXPECT_EQ(l.ok.x, 800 - 75 - 15);
  EXPECT_EQ(l.edit.width, 800 - 75 - 15 - 20);
  EXPECT_EQ(l.edit.height, 600 - 15);

  // A font twice as high: the two label lines stay apart and below the buttons.
  m.labelHeight = 26;
  m.buttonHeight = 46;
  m.scaleYNum = 26;
  m.scaleYDen = 13;
  l = LayOutNoteDialog(m);
  EXPECT_GE(l.label2.y, l.label1.y + l.label1.height);
  EXPECT_GE(l.cancel.y, l.ok.y + l.ok.height);
}

TEST(NoteDialogLayout, ATinyDialogGivesAnEmptyFieldNotANegativeOne) {
  NoteDialogMetrics m = Classic();
  m.clientWidth = 50;
  m.clientHeight = 10;
  const NoteDialogLayout l = LayOutNoteDialog(m);
  EXPECT_EQ(l.edit.width, 0);
  EXPECT_EQ(l.edit.height, 0);
}
