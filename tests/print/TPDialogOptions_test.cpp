// What the print options dialog opens with and what its OK keeps.
#include "print/TPDialogOptions.h"

#include <gtest/gtest.h>

using namespace zelto;

namespace {

struct Options {
  std::uint32_t numCols = 2;
  std::uint32_t printFontSize = 10;
  PrintSelection selection;

  void Apply(const PrintOptionsForm& form, std::optional<TabInx> shown = std::nullopt) {
    ApplyPrintOptions(form, shown, numCols, printFontSize, selection);
  }
};

PrintOptionsForm Form(std::string columns, std::string size, bool all = true,
                      bool children = true) {
  return PrintOptionsForm{std::move(columns), std::move(size), all, children};
}

}  // namespace

TEST(PrintOptions, ColumnsOneToNineAndFontSizesFiveToTwentyAreTaken) {
  Options o;
  for (const char* ignored : {"0", "10", "-1", "", "x"}) {
    o.Apply(Form(ignored, "12"));
    EXPECT_EQ(o.numCols, 2u) << ignored;
  }
  EXPECT_EQ(o.printFontSize, 12u);
  for (const char* ignored : {"4", "21", "0", "99999999999"}) {
    o.Apply(Form("3", ignored));
    EXPECT_EQ(o.printFontSize, 12u) << ignored;
  }
  EXPECT_EQ(o.numCols, 3u);
  o.Apply(Form(" 9 columns", "+20"));
  EXPECT_EQ(o.numCols, 9u);  // more than the Columns command allows
  EXPECT_EQ(o.printFontSize, 20u);
  o.Apply(Form("1", "5"));
  EXPECT_EQ(o.numCols, 1u);
  EXPECT_EQ(o.printFontSize, 5u);
}

TEST(PrintOptions, CurrentCategoryIsTheOneShownWhenOkIsPressed) {
  Options o;
  o.selection.printCategory = 4;  // chosen earlier
  const PrintOptionsForm opened = PrintOptionsFormFor(o.numCols, o.printFontSize, o.selection);
  EXPECT_FALSE(opened.allCategories);
  o.Apply(opened, TabInx(7));
  EXPECT_EQ(o.selection.printCategory, 7u);

  o.Apply(Form("2", "10", /*all=*/true), TabInx(7));
  EXPECT_EQ(o.selection.printCategory, ALL_CATEGORIES);
  EXPECT_TRUE(PrintOptionsFormFor(2, 10, o.selection).allCategories);

  // With no category shown, "Print current category" keeps printing all of them.
  o.Apply(Form("2", "10", /*all=*/false), std::nullopt);
  EXPECT_EQ(o.selection.printCategory, ALL_CATEGORIES);
}

TEST(PrintOptions, OpensWithTheSettingsAndTheChildrenSwitch) {
  PrintSelection selection;
  selection.printChildren = false;
  PrintOptionsForm form = PrintOptionsFormFor(9, 20, selection);
  EXPECT_EQ(form.columns, "9");
  EXPECT_EQ(form.fontSize, "20");
  EXPECT_FALSE(form.withChildren);
  EXPECT_EQ(PrintOptionsFormFor(0, 10, selection).columns, "1");  // below 1 counts as 1

  Options o;
  o.Apply(Form("2", "10", true, false));
  EXPECT_FALSE(o.selection.printChildren);
  o.Apply(Form("2", "10", true, true));
  EXPECT_TRUE(o.selection.printChildren);
}
