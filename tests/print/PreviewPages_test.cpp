// The preview's paging, its page text and enablers, and where the pages go.
#include <gtest/gtest.h>

#include "print/TApxPreviewWinPages.h"

using namespace zelto;

TEST(PreviewPages, OnePageAtATime) {
  PreviewPages p;
  EXPECT_EQ(p.PageText(), "Page 1");
  EXPECT_FALSE(p.CanPrevious());
  EXPECT_FALSE(p.CanNext(1));  // until the pages are counted there is one
  EXPECT_TRUE(p.CanNext(3));
  p.Next(3);
  p.Next(3);
  EXPECT_EQ(p.PageText(), "Page 3");
  EXPECT_FALSE(p.CanNext(3));
  p.Next(3);  // nothing past the last page
  EXPECT_EQ(p.First(), 3);
  EXPECT_TRUE(p.CanPrevious());
  p.Previous(1);
  p.Previous(1);
  p.Previous(1);
  EXPECT_EQ(p.First(), 1);
  EXPECT_EQ(p.Page2(), 0);
}

TEST(PreviewPages, TwoPagesPairUpAndKeepTheLastPageOnTheRight) {
  PreviewPages p;
  p.ShowTwoPages(5);
  EXPECT_EQ(p.PageText(), "Page 1 - 2");
  EXPECT_EQ(p.Page2(), 2);
  p.Next(5);
  p.Next(5);
  p.Next(5);
  EXPECT_EQ(p.PageText(), "Page 4 - 5");
  EXPECT_FALSE(p.CanNext(5));
  p.OnePage();
  EXPECT_EQ(p.PageText(), "Page 4");
  p.Next(5);
  EXPECT_EQ(p.First(), 5);
  // Two pages while the last page is shown: the pair moves back one page.
  p.ShowTwoPages(5);
  EXPECT_EQ(p.First(), 4);
  EXPECT_EQ(p.Page2(), 5);
  EXPECT_EQ(p.PageText(), "Page 4 - 5");
  p.Previous(1);
  EXPECT_EQ(p.PageText(), "Page 3 - 4");
}

TEST(PreviewPages, TwoPagesOfAOnePageDocumentShowAWhitePage) {
  PreviewPages p;
  p.ShowTwoPages(1);
  EXPECT_TRUE(p.TwoPages());
  EXPECT_EQ(p.Page1(), 1);
  EXPECT_EQ(p.Page2(), 0);
  EXPECT_EQ(p.PageText(), "Page 1");
  EXPECT_FALSE(p.CanNext(1));
  EXPECT_FALSE(p.CanPrevious());
}

TEST(PreviewPages, LandscapePaperShowsOnePageOnly) {
  EXPECT_TRUE(PreviewPages::CanShowTwoPages(4961, 7016));
  EXPECT_TRUE(PreviewPages::CanShowTwoPages(5000, 5000));
  EXPECT_FALSE(PreviewPages::CanShowTwoPages(7016, 4961));
}

TEST(PreviewLayout, PagesFillTheAreaInThePapersShapeAndStandInItsMiddle) {
  EXPECT_EQ(PreviewUnits(15, 16), 30);
  EXPECT_EQ(PreviewUnits(30, 16), 60);

  // A wide area: the height decides, and the page stands in the middle of the width.
  PreviewLayout wide = LayoutPreviewPages(1000, 600, 2000, 3000, false, 16);
  EXPECT_EQ(wide.page1, (PageBox{(1000 - 360) / 2, 30, 360, 540}));

  // A tall area: the width decides, and the page stands in the middle of the height.
  PreviewLayout tall = LayoutPreviewPages(400, 1000, 2000, 3000, false, 16);
  EXPECT_EQ(tall.page1, (PageBox{30, (1000 - 510) / 2, 340, 510}));

  // Two pages: the pair is centred, the second 30 units right of the first, both whole.
  PreviewLayout two = LayoutPreviewPages(1600, 900, 4961, 7016, true, 16);
  EXPECT_EQ(two.page1.height, 900 - 60);
  EXPECT_EQ(two.page2.x, two.page1.Right() + 60);
  EXPECT_EQ(two.page2.y, two.page1.y);
  EXPECT_NEAR(two.page1.x, 1600 - two.page2.Right(), 1);
  PreviewLayout narrow = LayoutPreviewPages(600, 800, 4961, 7016, true, 16);
  EXPECT_EQ(narrow.page1.x, 30);
  EXPECT_LE(narrow.page2.Right(), 600 - 30);
  EXPECT_NEAR(narrow.page1.y, 800 - narrow.page1.y - narrow.page1.height, 1);

  // An area too small for anything, and a printer without a page, place nothing wrongly.
  PreviewLayout tiny = LayoutPreviewPages(10, 10, 4961, 7016, true, 16);
  EXPECT_EQ(tiny.page1.width, 0);
  EXPECT_EQ(tiny.page1.height, 0);
  PreviewLayout none = LayoutPreviewPages(800, 600, 0, 0, false, 16);
  EXPECT_GE(none.page1.width, 0);
}
