#include "mainwin/WindowPlace.h"

#include "model/TreeOps.h"

namespace zelto {

WindowPlace PlaceOf(const TabList& tabs, const CategoryList& list, int line) {
  WindowPlace place;
  place.line = line;
  place.selected = list.SelectedCategory();
  if (list.GetCount() > 0) {
    const int pos = list.GetSelIndex() == CategoryList::None ? 0 : list.GetSelIndex();
    const std::size_t listed = list.GetItemData(pos);
    if (tabs.Valid(listed)) place.level = tabs[listed].parent;
  }
  return place;
}

void ListPlace(const TabList& tabs, const WindowPlace& place, CategoryList& list) {
  FillLevel(tabs, place.level, list);
  list.SetSelIndex(CategoryList::None);
  if (place.selected == CategoryList::None) return;
  const auto selected = static_cast<std::size_t>(place.selected);
  if (list.SelectCategory(selected) != CategoryList::None) return;
  if (!tabs.Valid(selected) || tabs[selected].state == TabState::Deleted) return;
  const int pos = list.AddString(tabs[selected].text);
  list.SetItemData(pos, static_cast<std::uint32_t>(selected));
  list.SetSelIndex(pos);
}

}  // namespace zelto
