#include "mainwin/PaneLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelto {
namespace {

TEST(PaneLayoutTest, DefaultRatiosSplitFourFifthsAndNothingOverlaps) {
  const PaneLayout l = LayoutPanes(500, 300, 0.8, 0.8);
  EXPECT_EQ(l.catList, (PaneRect{400, 1, 99, 238}));  // X = 400, Y = 239
  EXPECT_EQ(l.noteView, (PaneRect{0, 0, 399, 238}));
  EXPECT_EQ(l.entryLine, (PaneRect{0, 239, 499, 60}));
  // The note window ends before the list begins; the detail strip begins below both.
  EXPECT_LT(l.noteView.left + l.noteView.width, l.catList.left);
  EXPECT_GT(l.entryLine.top, l.catList.top + l.catList.height - 1);
  EXPECT_EQ(l.entryLine.top + l.entryLine.height, 299);
}

TEST(PaneLayoutTest, RatiosAreCutTowardZero) {
  const PaneLayout l = LayoutPanes(333, 101, 0.5, 0.5);
  EXPECT_EQ(l.catList, (PaneRect{166, 1, 166, 48}));  // 166.5 -> 166; 50.5 -> 50, Y = 49
  EXPECT_EQ(l.noteView.width, 165);
}

TEST(PaneLayoutTest, OtherPanesFollowTheHeightTheListActuallyTook) {
  // A list that keeps to whole rows of 20 pixels.
  const auto wholeRows = [](const PaneRect& r) { return r.height / 20 * 20; };
  const PaneLayout l = LayoutPanes(500, 300, 0.8, 0.8, wholeRows);
  EXPECT_EQ(l.catList.height, 220);
  EXPECT_EQ(l.noteView.height, 220);
  EXPECT_EQ(l.entryLine, (PaneRect{0, 221, 499, 78}));
}

TEST(PaneLayoutTest, TinyWindowGivesEmptyPanesNotNegativeOnes) {
  const PaneLayout l = LayoutPanes(2, 2, 0.8, 0.8);
  EXPECT_EQ(l.catList, (PaneRect{1, 1, 0, 0}));
  EXPECT_EQ(l.noteView, (PaneRect{0, 0, 0, 0}));
  EXPECT_EQ(l.entryLine, (PaneRect{0, 1, 1, 0}));
  const PaneLayout zero = LayoutPanes(0, 0, 0.8, 0.8);
  EXPECT_EQ(zero.entryLine, (PaneRect{0, 1, 0, 0}));
}

TEST(PaneLayoutTest, RatioOutsideZeroToOneFallsBackToTheDefault) {
  const PaneLayout usual = LayoutPanes(500, 300, 0.8, 0.8);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double bad : {nan, -0.5, 7.0, std::numeric_limits<double>::infinity()}) {
    const PaneLayout l = LayoutPanes(500, 300, bad, bad);
    EXPECT_EQ(l.catList, usual.catList) << bad;
    EXPECT_EQ(l.entryLine, usual.entryLine) << bad;
  }
  // The ends of the range are used as they are: the list takes the whole width at 0.
  EXPECT_EQ(LayoutPanes(500, 300, 0.0, 1.0).catList, (PaneRect{0, 1, 499, 298}));
}

}  // namespace
}  // namespace zelto
