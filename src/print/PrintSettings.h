#pragma once
// What a printout reads from the application: the page look and the print selection.
// The application fills one of these when a print run or a preview starts.
#include <cstdint>
#include <string>

namespace zelto {

// The print selection meaning "every top-level category".
inline constexpr std::uint32_t ALL_CATEGORIES = 0xFFFF;

struct PrintSettings {
  int NumCols = 2;  // newspaper columns per page; below 1 counts as 1
  std::string PrintFont = "Arial";
  int PrintFontSize = 10;   // character height in layout units
  double TopMargin = 0.75;  // margins in inches
  double BottomMargin = 0.75;
  double LeftMargin = 0.75;
  double RightMargin = 0.75;
  int headingSpaceBefore = 10;                   // above a heading that is not at the column top
  int headingSpaceAfter = 5;                     // below every heading
  std::uint32_t printCategory = ALL_CATEGORIES;  // a category index or ALL_CATEGORIES
  bool printChildren = true;
};

}  // namespace zelto
