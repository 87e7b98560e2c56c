#include "print/ListPrintout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "model/TreeOps.h"
#include "print/FakeSurface.h"

using namespace zelto;
using namespace zelto::testing;
using ::testing::ElementsAre;

namespace {

class PrintoutTest : public ::testing::Test {
 protected:
  PrintoutTest() {
    settings.NumCols = 1;
    settings.TopMargin = settings.BottomMargin = settings.LeftMargin = settings.RightMargin = 0;
  }

  TabInx Cat(const std::string& name, TabInx parent = NO_PARENT, std::uint8_t flags = 0) {
    return *AppendCategory(doc.tabs, name, flags, parent);
  }
  void Note(TabInx cat, const std::string& text, std::uint8_t flags = 0) {
    doc.tabs[cat].notes.Add(NoteString{text, flags});
  }

  // A printout prepared on a page of `width` x `height` layout units.
  ListPrintout& Prepared(int width = 1000, int height = 1000) {
    printout = std::make_unique<ListPrintout>(doc.tabs, settings, errors);
    printout->Prepare(surface, PrintRect{0, 0, width, height}, settings.printCategory,
                      settings.printChildren);
    return *printout;
  }

  std::vector<std::string> Collected() {
    std::vector<std::string> out;
    for (const PrintString& ps : Prepared().Items())
      out.push_back((ps.isHeading ? "H:" : "") + *ps.text);
    return out;
  }

  // Counts pages the way a print run does; a runaway layout fails the test.
  int CountPages(ListPrintout& p) {
    int n = 1;
    while (p.LayoutPage(n, false)) {
      if (++n > 10000) {
        ADD_FAILURE() << "page count does not end";
        break;
      }
    }
    return n;
  }

  Document doc;
  PrintSettings settings;
  CountingErrors errors;
  FakeSurface surface;
  std::unique_ptr<ListPrintout> printout;
};

}  // namespace

// ---- What is collected ----

TEST_F(PrintoutTest, CollectsDepthFirstWithPathHeadingsAndLeavesOutNoPrintEntries) {
  const TabInx work = Cat("Work");
  const TabInx home = Cat("Home");
  const TabInx clients = Cat("Clients", work);
  Note(work, "w1");
  Note(work, "secret", NoPrint);
  Note(clients, "c1");
  Note(home, "h1");
  EXPECT_THAT(Collected(), ElementsAre("H:/Work", "w1", "H:/Work/Clients", "c1", "H:/Home", "h1"));
}

TEST_F(PrintoutTest, NoPrintAndProgramCategoriesArePrunedWithTheirSubtrees) {
  const TabInx hidden = Cat("Hidden", NO_PARENT, NoPrint);
  Cat("Below hidden", hidden);
  const TabInx tools = Cat("Tools", NO_PARENT, static_cast<std::uint8_t>(EntryKind::Program));
  Cat("Below tools", tools);
  const TabInx shown = Cat("Shown");
  Cat("Hidden child", shown, NoPrint);
  EXPECT_THAT(Collected(), ElementsAre("H:/Shown"));
}

TEST_F(PrintoutTest, ChildrenOffPrintsOnlyTheChosenLevel) {
  const TabInx a = Cat("A");
  Cat("A1", a);
  Cat("B");
  settings.printChildren = false;
  EXPECT_THAT(Collected(), ElementsAre("H:/A", "H:/B"));
  settings.printCategory = a;
  EXPECT_THAT(Collected(), ElementsAre("H:/A"));
}

TEST_F(PrintoutTest, CutAndDeletedCategoriesAreAbsentWithWhatHangsBelowThem) {
  const TabInx cut = Cat("Cut");
  Cat("Under cut", cut);
  const TabInx kept = Cat("Kept");
  const TabInx gone = Cat("Gone", kept);
  const TabInx cutChild = Cat("Cut child", kept);
  doc.tabs[cut].state = TabState::Cut;
  doc.tabs[gone].state = TabState::Deleted;
  doc.tabs[cutChild].state = TabState::Cut;
  EXPECT_THAT(Collected(), ElementsAre("H:/Kept"));
}

TEST_F(PrintoutTest, OneCategoryPrintsUnderItsFullPathAndAStaleChoicePrintsAll) {
  const TabInx work = Cat("Work");
  const TabInx clients = Cat("Clients", work);
  Cat("Acme", clients);
  Cat("Home");
  settings.printCategory = clients;
  EXPECT_THAT(Collected(), ElementsAre("H:/Work/Clients", "H:/Work/Clients/Acme"));

  doc.tabs[work].state = TabState::Cut;  // the choice is no longer in the visible tree
  EXPECT_THAT(Collected(), ElementsAre("H:/Home"));
  settings.printCategory = 4000;  // not a category at all
  EXPECT_THAT(Collected(), ElementsAre("H:/Home"));
}

TEST_F(PrintoutTest, ADamagedParentLoopIsCollectedOnce) {
  const TabInx a = Cat("A", 1);
  Cat("B", a);
  ListPrintout p(doc.tabs, settings, errors);
  p.Collect(a, true, "");
  ASSERT_EQ(p.Items().size(), 2u);
  EXPECT_EQ(*p.Items()[1].text, "/A/B");
}

TEST_F(PrintoutTest, NothingToPrintGivesOneBlankPage) {
  EXPECT_EQ(CountPages(Prepared()), 1);  // empty document

  const TabInx hidden = Cat("Hidden", NO_PARENT, NoPrint);
  Note(hidden, "text");
  settings.printCategory = hidden;
  ListPrintout& p = Prepared();
  EXPECT_EQ(CountPages(p), 1);
  EXPECT_FALSE(p.LayoutPage(1, true));
  EXPECT_TRUE(surface.lines.empty());
  EXPECT_EQ(errors.count, 0);
}

// ---- Texts and lines ----

TEST(FlattenText, ControlRunsBecomeOneSpaceAndOtherBytesPass) {
  EXPECT_EQ(FlattenText("first\r\nsecond"), "first second");
  EXPECT_EQ(FlattenText("\r\n\r\n"), " ");
  EXPECT_EQ(FlattenText("a\t\tb\x01"
                        "c"),
            "a b c");
  EXPECT_EQ(FlattenText("caf\xe9 \x80"), "caf\xe9 \x80");
  EXPECT_EQ(FlattenText("Editor\r\n/usr/bin/vi -R"), "Editor /usr/bin/vi -R");
  EXPECT_EQ(FlattenText(""), "");
}

TEST_F(PrintoutTest, EmptyEntriesTakeNoSpaceAndLineBreakOnlyEntriesOneLine) {
  ListPrintout& p = Prepared();
  const PrintRect col = p.ColumnRect(0);
  int y = 12;
  std::int32_t offset = 0;
  EXPECT_TRUE(p.FitItem("", col, y, offset, true));
  EXPECT_EQ(y, 12);
  EXPECT_TRUE(p.FitItem("\r\n", col, y, offset, true));
  EXPECT_EQ(y, 12 + 17);
  EXPECT_THAT(surface.Texts(), ElementsAre(" "));
}

TEST_F(PrintoutTest, LinesWrapAtSpacesAndSkipTheBlanksBetween) {
  ListPrintout& p = Prepared(125);  // column 0..120: characters end before 110
  int y = 12;
  std::int32_t offset = 0;
  EXPECT_TRUE(p.FitItem("one two\r\nthree four", p.ColumnRect(0), y, offset, true));
  EXPECT_THAT(surface.Texts(), ElementsAre("one two", "three", "four"));
  EXPECT_EQ(surface.lines[0].x, 10);
  EXPECT_EQ(surface.lines[1].x, 20);
}

TEST_F(PrintoutTest, ALongWordKeepsOneCharacterLessThanFittedAndGoesOnIndented) {
  ListPrintout& p = Prepared(125);
  int y = 12;
  std::int32_t offset = 0;
  // Nine characters fit the first line; eight stay there.
  EXPECT_TRUE(p.FitItem("ABCDEFGHIJKLMNOP", p.ColumnRect(0), y, offset, true));
  EXPECT_THAT(surface.Texts(), ElementsAre("ABCDEFGH", "IJKLMNOP"));
  EXPECT_EQ(surface.lines[1].x, 20);
}

TEST_F(PrintoutTest, TheLastCharacterMayReachIntoTheReserve) {
  ListPrintout& p = Prepared(125);
  int y = 12;
  // Ten characters end exactly at the reserve: the last one is never measured.
  LineFit fit = p.FitLine("ABCDEFGHIJ", 0, 10, p.ColumnRect(0), y, true);
  EXPECT_TRUE(fit.fitted);
  EXPECT_EQ(fit.next, 10);
  // With an eleventh the tenth must be measured, does not fit, and the word is cut.
  fit = p.FitLine("ABCDEFGHIJK", 0, 10, p.ColumnRect(0), y, true);
  EXPECT_EQ(fit.next, 8);
  EXPECT_THAT(surface.Texts(), ElementsAre("ABCDEFGHIJ", "ABCDEFGH"));
}

TEST_F(PrintoutTest, ALineThatDoesNotFitChangesNothing) {
  ListPrintout& p = Prepared(1000, 40);
  int y = 23;  // 23 + 17 reaches the bottom
  const LineFit fit = p.FitLine("text", 2, 10, p.ColumnRect(0), y, true);
  EXPECT_FALSE(fit.fitted);
  EXPECT_EQ(fit.next, 2);
  EXPECT_EQ(y, 23);
  EXPECT_TRUE(surface.lines.empty());
}

// ---- Fonts, spacing, columns ----

TEST(PrintoutMetrics, OffsetsAndFontsFollowTheFontSize) {
  PrintSettings s;
  CountingErrors errors;
  TabList tabs;
  s.PrintFontSize = 10;
  ListPrintout ten(tabs, s, errors);
  EXPECT_EQ(ten.topOffset(), 12);
  EXPECT_EQ(ten.lineAdvance(), 17);
  EXPECT_EQ(ten.headingFont().height, 12);
  EXPECT_EQ(ten.textFont(), (FontSpec{"Arial", 10, 400, false}));
  s.PrintFontSize = 11;
  s.PrintFont = "Courier";
  ListPrintout eleven(tabs, s, errors);
  EXPECT_EQ(eleven.topOffset(), 13);
  EXPECT_EQ(eleven.lineAdvance(), 19);
  EXPECT_EQ(eleven.headingFont(), (FontSpec{"Arial", 13, 600, true}));
  EXPECT_EQ(eleven.textFont().face, "Courier");
}

TEST_F(PrintoutTest, MarginsAndColumnGeometry) {
  settings.LeftMargin = 0.5;
  settings.TopMargin = 0.333;
  settings.RightMargin = 0.75;
  settings.BottomMargin = 1;
  settings.NumCols = 3;
  ListPrintout& p = Prepared(1000, 1500);
  EXPECT_EQ(p.printRect(), (PrintRect{50, 33, 925, 1400}));
  // pitch 875 / 3 = 291, width 96 % of it
  EXPECT_EQ(p.ColumnRect(2), (PrintRect{632, 33, 632 + 279, 1400}));

  settings.NumCols = 0;  // counts as one column
  EXPECT_EQ(Prepared(1000, 1500).ColumnRect(0), (PrintRect{50, 33, 50 + 840, 1400}));
}

TEST_F(PrintoutTest, HeadingsGetSpaceAboveExceptAtTheColumnTop) {
  const TabInx a = Cat("A");
  const TabInx b = Cat("B");
  Note(a, "a1");
  Note(b, "b1");
  ListPrintout& p = Prepared();
  EXPECT_FALSE(p.LayoutPage(1, true));
  ASSERT_EQ(surface.lines.size(), 4u);
  EXPECT_EQ(surface.lines[0].y, 12);            // "/A" at the top: no space above
  EXPECT_EQ(surface.lines[1].y, 12 + 17 + 5);   // 5 below the heading
  EXPECT_EQ(surface.lines[2].y, 34 + 17 + 10);  // "/B": 10 above
  EXPECT_EQ(surface.lines[3].y, 61 + 17 + 5);
  EXPECT_EQ(surface.lines[0].fontHeight, 12);
  EXPECT_EQ(surface.lines[1].fontHeight, 10);

  // A column too short for "/B" sends it to the top of the next column, without space.
  settings.NumCols = 2;
  surface.lines.clear();
  ListPrintout& q = Prepared(1000, 70);
  EXPECT_FALSE(q.LayoutPage(1, true));
  ASSERT_EQ(surface.lines.size(), 4u);
  EXPECT_EQ(surface.lines[2].text, "/B");
  EXPECT_EQ(surface.lines[2].x, 500 + 10);
  EXPECT_EQ(surface.lines[2].y, 12);
}

// ---- Pages ----

TEST_F(PrintoutTest, PageStartsAreRecordedAndPagesDrawFromThem) {
  const TabInx a = Cat("A");
  for (char c = '0'; c <= '9'; ++c) Note(a, std::string("e") + c);
  ListPrintout& p = Prepared(1000, 100);  // heading + 3 entries, then 5 entries a page
  EXPECT_EQ(CountPages(p), 3);
  EXPECT_EQ(p.lastRecorded(), 3);
  EXPECT_EQ(p.pageStarts()[1], (PageStart{4, 0}));
  EXPECT_EQ(p.pageStarts()[2], (PageStart{9, 0}));
  EXPECT_EQ(p.pageStarts()[3], (PageStart{11, 0}));

  EXPECT_FALSE(p.LayoutPage(3, true));
  EXPECT_THAT(surface.Texts(), ElementsAre("e8", "e9"));
  EXPECT_EQ(errors.count, 0);
}

TEST_F(PrintoutTest, AnEntrySplitAcrossPagesResumesMidTextIndented) {
  const TabInx a = Cat("A");
  Note(a, "aa bb cc dd ee ff");
  ListPrintout& p = Prepared(60, 80);  // two-character lines, three lines a page
  EXPECT_EQ(CountPages(p), 3);
  EXPECT_EQ(p.pageStarts()[1], (PageStart{1, 6}));
  surface.lines.clear();
  p.LayoutPage(2, true);
  EXPECT_THAT(surface.Texts(), ElementsAre("cc", "dd", "ee"));
  EXPECT_EQ(surface.lines[0].x, 20);
}

TEST_F(PrintoutTest, APageEndingExactlyAfterTheLastItemIsTheLast) {
  const TabInx a = Cat("A");
  for (const char* t : {"e1", "e2", "e3"}) Note(a, t);
  ListPrintout& p = Prepared(1000, 100);
  EXPECT_FALSE(p.LayoutPage(1, false));
  EXPECT_EQ(p.pageStarts()[1], (PageStart{4, 0}));
}

TEST_F(PrintoutTest, APageAskedBeforeItsPredecessorIsAPrintError) {
  Note(Cat("A"), "text");
  ListPrintout& p = Prepared();
  EXPECT_FALSE(p.LayoutPage(2, true));
  EXPECT_EQ(errors.count, 1);
  EXPECT_FALSE(p.LayoutPage(0, true));
  EXPECT_EQ(errors.count, 2);
  EXPECT_TRUE(surface.lines.empty());
  EXPECT_EQ(p.lastRecorded(), 0);

  EXPECT_FALSE(p.LayoutPage(1, false));
  EXPECT_FALSE(p.LayoutPage(2, false));  // now page 1 is known: page 2 is simply empty
  EXPECT_EQ(errors.count, 2);
}

TEST_F(PrintoutTest, PagesWithNoRoomStillEnd) {
  const TabInx a = Cat("A");
  Note(a, "abc");
  // Too short for a single line: one blank page.
  ListPrintout& flat = Prepared(1000, 20);
  EXPECT_EQ(CountPages(flat), 1);
  EXPECT_EQ(flat.pageStarts()[1].item, 2);

  // Too narrow for a single character: one character a line, and the count ends.
  ListPrintout& narrow = Prepared(20, 1000);
  EXPECT_EQ(CountPages(narrow), 1);
  narrow.LayoutPage(1, true);
  EXPECT_THAT(surface.Texts(), ElementsAre("/", "A", "a", "b", "c"));

  // Columns narrower than two characters of a long word: still one character a line.
  surface.lines.clear();
  settings.NumCols = 2;
  ListPrintout& tight = Prepared(76, 100);  // column 36 wide: one character fits
  EXPECT_EQ(CountPages(tight), 1);
  tight.LayoutPage(1, true);
  EXPECT_THAT(surface.Texts(), ElementsAre("/A", "a", "b", "c"));
  EXPECT_EQ(errors.count, 0);
}

TEST_F(PrintoutTest, NonsenseSettingsStillGiveAFinitePrintout) {
  const TabInx a = Cat("A");
  for (int i = 0; i < 50; ++i) Note(a, "entry " + std::to_string(i));
  for (int size : {0, -40, std::numeric_limits<int>::max()}) {
    settings.PrintFontSize = size;
    ListPrintout& p = Prepared(1000, 1000);
    EXPECT_GE(p.lineAdvance(), 1) << size;
    EXPECT_LE(CountPages(p), 51) << size;
  }
  settings.PrintFontSize = 10;
  settings.LeftMargin = std::numeric_limits<double>::quiet_NaN();
  settings.RightMargin = 1e300;
  settings.BottomMargin = -1e300;
  settings.NumCols = std::numeric_limits<int>::max();
  ListPrintout& p = Prepared(1000, 1000);
  EXPECT_EQ(p.printRect().left, 0);
  EXPECT_LT(CountPages(p), 10000);
  settings.BottomMargin = 0.95;  // and no line fits in any of those columns
  EXPECT_EQ(CountPages(Prepared(1000, 100)), 1);
  EXPECT_EQ(errors.count, 0);
}

TEST_F(PrintoutTest, ANewPageSizeRecountsThePageStarts) {
  const TabInx a = Cat("A");
  for (char c = '0'; c <= '9'; ++c) Note(a, std::string("e") + c);
  ListPrintout p(doc.tabs, settings, errors);
  p.Prepare(surface, PrintRect{0, 0, 1000, 100}, ALL_CATEGORIES, true);
  EXPECT_EQ(CountPages(p), 3);
  p.Prepare(surface, PrintRect{0, 0, 1000, 1000}, ALL_CATEGORIES, true);
  EXPECT_EQ(CountPages(p), 1);
  p.Prepare(surface, PrintRect{0, 0, 1000, 100}, ALL_CATEGORIES, true);
  EXPECT_EQ(CountPages(p), 3);
  EXPECT_EQ(p.pageStarts()[1], (PageStart{4, 0}));
}
