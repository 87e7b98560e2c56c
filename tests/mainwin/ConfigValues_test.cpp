#include "mainwin/ConfigValues.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

TEST(MarginText, ShowsTwoDecimalsRoundedHalfUp) {
  EXPECT_EQ(MarginText(0.75), "0.75");
  EXPECT_EQ(MarginText(1.05), "1.05");
  EXPECT_EQ(MarginText(2), "2.00");
  EXPECT_EQ(MarginText(1.5), "1.50");
  EXPECT_EQ(MarginText(0.004), "0.00");
  EXPECT_EQ(MarginText(0.006), "0.01");
  EXPECT_EQ(MarginText(9.999), "10.00");
  EXPECT_EQ(MarginText(0), "0.00");
}

TEST(TypedColumnCount, TakesOneToSevenFromTheStartOfTheText) {
  EXPECT_EQ(TypedColumnCount("7"), 7u);
  EXPECT_EQ(TypedColumnCount("1"), 1u);
  EXPECT_EQ(TypedColumnCount("3x"), 3u);
  EXPECT_EQ(TypedColumnCount(" 4"), 4u);
  for (const char* refused : {"8", "0", "-1", "", "x3", "99999999999999999999", "-7"})
    EXPECT_EQ(TypedColumnCount(refused), std::nullopt) << refused;
}

TEST(TypedMargin, TakesZeroToBelowTen) {
  EXPECT_EQ(TypedMargin("9.99"), 9.99);
  EXPECT_EQ(TypedMargin("0"), 0.0);
  EXPECT_EQ(TypedMargin("1.5"), 1.5);
  EXPECT_EQ(TypedMargin("2cm"), 2.0);
  EXPECT_EQ(TypedMargin("1,5"), 1.5);  // typed with a decimal comma
  for (const char* refused : {"10", "-0.5", "abc", "", "1e9", "nan", "inf"})
    EXPECT_EQ(TypedMargin(refused), std::nullopt) << refused;
}

TEST(InitialCustomColours, NearBlackThenGreys) {
  const auto colours = InitialCustomColours();
  EXPECT_EQ(colours[0], Rgb(1, 1, 1));
  EXPECT_EQ(colours[1], Rgb(16, 16, 16));
  EXPECT_EQ(colours[15], Rgb(240, 240, 240));
}

}  // namespace
}  // namespace zelto
