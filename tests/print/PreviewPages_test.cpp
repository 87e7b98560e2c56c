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

TEST(PreviewLayout, PagesKeepThePaperShapeInsideTheArea) {
  EXPECT_EQ(PreviewUnits(15, 16), 30);
  EXPECT_EQ(PreviewUnits(30, 16), 60);

  // A wide area: the height decides, and the page is 5 % narrower than the paper.
  PreviewLayout wide = LayoutPreviewPages(1000, 600, 2000, 3000, false, 16);
  EXPECT_EQ(wide.page1, (PageBox{30, 30, 540 * 63 / 100, 540}));

  // A portrait page in an area only a little wider than high still fits whole.
  PreviewLayout usual = LayoutPreviewPages(800, 600, 4961, 7016, false, 16);
  EXPECT_LE(usual.page1.y + usual.page1.height, 600 - 30);
  EXPECT_EQ(usual.page1.height, 540);

  // A tall area: the width decides, and the page is 5 % shorter.
  PreviewLayout tall = LayoutPreviewPages(400, 1000, 2000, 3000, false, 16);
  EXPECT_EQ(tall.page1, (PageBox{30, 30, 340, 340 * 142 / 100}));

  // Two pages share the width; the second one stands 30 units to the right of the first.
  PreviewLayout two = LayoutPreviewPages(800, 600, 4961, 7016, true, 16);
  EXPECT_EQ(two.page2.x, two.page1.Right() + 60);
  EXPECT_EQ(two.page2.y, two.page1.y);
  EXPECT_EQ(two.page2.height, two.page1.height);
  EXPECT_LE(two.page2.Right(), 800 - 30);
  PreviewLayout narrow = LayoutPreviewPages(600, 800, 4961, 7016, true, 16);
  EXPECT_LE(narrow.page2.Right(), 600 - 30);

  // An area too small for anything, and a printer without a page, place nothing wrongly.
  PreviewLayout tiny = LayoutPreviewPages(10, 10, 4961, 7016, true, 16);
  EXPECT_EQ(tiny.page1.width, 0);
  EXPECT_EQ(tiny.page1.height, 0);
  PreviewLayout none = LayoutPreviewPages(800, 600, 0, 0, false, 16);
  EXPECT_GE(none.page1.width, 0);
}
