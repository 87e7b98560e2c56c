#pragma once
// What the print options dialog shows and what its OK stores: the column count and print
// font size of the settings (in memory only), and the print selection of the application.
#include <cstdint>
#include <optional>
#include <string>

#include "model/Records.h"
#include "print/PrintSettings.h"

namespace zelto {

// The selection the next print run or preview uses; kept for the rest of the program run.
struct PrintSelection {
  std::uint32_t printCategory = ALL_CATEGORIES;  // a category index or ALL_CATEGORIES
  bool printChildren = true;
};

// The dialog's controls as texts and switches.
struct PrintOptionsForm {
  std::string columns;
  std::string fontSize;
  bool allCategories = true;  // "Print all categories" rather than "Print current category"
  bool withChildren = true;
};

// The print options dialog accepts these; a value outside them is ignored.
constexpr bool IsPrintOptionsColumnCount(std::int64_t n) { return n >= 1 && n <= 9; }
constexpr bool IsPrintOptionsFontSize(std::int64_t n) { return n >= 5 && n <= 20; }

// The form the dialog opens with. A column count below 1 shows as 1.
PrintOptionsForm PrintOptionsFormFor(std::uint32_t numCols, std::uint32_t printFontSize,
                                     const PrintSelection& selection);

// Takes the accepted numbers of `form` into `numCols` and `printFontSize` and the selection
// into `selection`. "Print current category" selects `shownCategory`, the category the
// note window shows now; when it shows none, all categories are printed.
void ApplyPrintOptions(const PrintOptionsForm& form, std::optional<TabInx> shownCategory,
                       std::uint32_t& numCols, std::uint32_t& printFontSize,
                       PrintSelection& selection);

}  // namespace zelto
