#include "model/CategoryList.h"

#include "model/TextOrder.h"

namespace zelto {

int CategoryList::FindStringExact(std::string_view name) const {
  for (int i = 0, n = GetCount(); i < n; ++i)
    if (TextEqual(GetString(i), name)) return i;
  return None;
}

int CategoryList::FindStringPrefix(std::string_view prefix) const {
  for (int i = 0, n = GetCount(); i < n; ++i)
    if (TextStartsWith(GetString(i), prefix)) return i;
  return None;
}

int CategoryList::SelectString(std::string_view prefix) {
  const int pos = FindStringPrefix(prefix);
  SetSelIndex(pos);
  return pos;
}

int CategoryList::SelectedCategory() const {
  const int sel = GetSelIndex();
  return sel == None ? None : static_cast<int>(GetItemData(sel));
}

void MemoryCategoryList::Clear() {
  items_.clear();
  selected_ = None;
}

int MemoryCategoryList::AddString(const std::string& name) {
  int pos = GetCount();
  while (pos > 0 && CompareText(items_[static_cast<std::size_t>(pos - 1)].name, name) > 0) --pos;
  items_.insert(items_.begin() + pos, Item{name, 0});
  if (selected_ >= pos) ++selected_;
  return pos;
}

void MemoryCategoryList::DeleteString(int pos) {
  if (pos < 0 || pos >= GetCount()) return;
  items_.erase(items_.begin() + pos);
  if (selected_ == pos)
    selected_ = None;
  else if (selected_ > pos)
    --selected_;
}

void MemoryCategoryList::SetItemData(int pos, std::uint32_t data) {
  if (pos >= 0 && pos < GetCount()) items_[static_cast<std::size_t>(pos)].data = data;
}

std::uint32_t MemoryCategoryList::GetItemData(int pos) const {
  return (pos >= 0 && pos < GetCount()) ? items_[static_cast<std::size_t>(pos)].data : 0;
}

std::string MemoryCategoryList::GetString(int pos) const {
  return (pos >= 0 && pos < GetCount()) ? items_[static_cast<std::size_t>(pos)].name
                                        : std::string();
}

void MemoryCategoryList::SetSelIndex(int pos) {
  selected_ = (pos >= 0 && pos < GetCount()) ? pos : None;
}

}  // namespace zelto
