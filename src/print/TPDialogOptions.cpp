#include "print/TPDialogOptions.h"

#include "common/DialogNumber.h"

namespace zelto {

PrintOptionsForm PrintOptionsFormFor(std::uint32_t numCols, std::uint32_t printFontSize,
                                     const PrintSelection& selection) {
  PrintOptionsForm form;
  const auto columns = static_cast<std::int32_t>(numCols);
  form.columns = std::to_string(columns < 1 ? 1 : columns);
  form.fontSize = std::to_string(static_cast<std::int32_t>(printFontSize));
  form.allCategories = selection.printCategory == ALL_CATEGORIES;
  form.withChildren = selection.printChildren;
  return form;
}

void ApplyPrintOptions(const PrintOptionsForm& form, std::optional<TabInx> shownCategory,
                       std::uint32_t& numCols, std::uint32_t& printFontSize,
                       PrintSelection& selection) {
  const std::int64_t columns = LeadingDecimal(form.columns);
  if (IsPrintOptionsColumnCount(columns)) numCols = static_cast<std::uint32_t>(columns);
  const std::int64_t size = LeadingDecimal(form.fontSize);
  if (IsPrintOptionsFontSize(size)) printFontSize = static_cast<std::uint32_t>(size);
  if (form.allCategories || !shownCategory)
    selection.printCategory = ALL_CATEGORIES;
  else
    selection.printCategory = *shownCategory;
  selection.printChildren = form.withChildren;
}

}  // namespace zelto
