#include "view/LineActivation.h"

#include "model/TreeOps.h"

namespace zelto {

namespace {

void SelectByData(CategoryList& list, int data) {
  list.SetSelIndex(CategoryList::None);
  for (int i = 0; i < list.GetCount(); ++i) {
    if (data >= 0 && list.GetItemData(i) == static_cast<std::uint32_t>(data)) {
      list.SetSelIndex(i);
      return;
    }
  }
}

}  // namespace

void FillCategoryList(const TabList& tabs, TabInx parent, int select, CategoryList& list) {
  FillLevel(tabs, parent, list);
  SelectByData(list, select);
}

LineActivation ActivateLine(const TabList& tabs, const NoteLines& lines, int line,
                            int selectedCategory, CategoryList& list) {
  LineActivation result;
  const auto categoryLines = static_cast<int>(lines.lineCategories.size());
  if (line < 0) return result;

  if (line < categoryLines) {
    if (!lines.IsUpArrowLine(line)) {
      // Down: the list shows the subcategories of the shown category with the target
      // selected. Category lines that no longer name a category are skipped.
      const TabInx target = *lines.CategoryOfLine(line);
      if (!tabs.Valid(target)) return result;
      list.Clear();
      for (std::size_t k = lines.hasParentLine ? 1 : 0; k < lines.lineCategories.size(); ++k) {
        const TabInx c = lines.lineCategories[k];
        if (!tabs.Valid(c)) continue;
        list.SetItemData(list.AddString(tabs[c].text), c);
      }
      SelectByData(list, target);
      result.kind = LineActivation::Kind::WentDown;
      result.category = target;
      return result;
    }
    // Up: the parent's level, with the parent selected.
    const TabInx shown = lines.lineCategories[0];
    if (!tabs.Valid(shown)) return result;
    const TabInx parent = tabs[shown].parent;
    if (!tabs.Valid(parent)) return result;
    FillCategoryList(tabs, tabs[parent].parent, parent, list);
    result.kind = LineActivation::Kind::WentUp;
    result.category = parent;
    return result;
  }

  const int note = line - categoryLines;
  if (note >= NoteCountOf(tabs, selectedCategory)) return result;  // the end line
  result.kind = LineActivation::Kind::Note;
  result.category = static_cast<TabInx>(selectedCategory);
  result.note = note;
  return result;
}

}  // namespace zelto
