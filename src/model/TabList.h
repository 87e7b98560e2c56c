#pragma once
// All categories of a document, flat; a category's index here identifies it everywhere.
#include <cstddef>
#include <vector>

#include "model/Records.h"

namespace zelto {

class TabList {
 public:
  // Adds a copy at the end; false (and nothing added) when the index space is full.
  bool Append(Tab tab) {
    if (tabs_.size() >= MaxCategories) return false;
    tabs_.push_back(std::move(tab));
    return true;
  }
  void RemoveAt(std::size_t index) {
    if (index < tabs_.size()) tabs_.erase(tabs_.begin() + static_cast<std::ptrdiff_t>(index));
  }
  void Clear() { tabs_.clear(); }

  std::size_t Count() const { return tabs_.size(); }
  bool Empty() const { return tabs_.empty(); }
  bool Valid(std::size_t index) const { return index < tabs_.size(); }
  const Tab& operator[](std::size_t i) const { return tabs_[i]; }
  Tab& operator[](std::size_t i) { return tabs_[i]; }

  auto begin() const { return tabs_.begin(); }
  auto end() const { return tabs_.end(); }
  auto begin() { return tabs_.begin(); }
  auto end() { return tabs_.end(); }

  // Only for the reordering done by SortCategories and by its undo and redo.
  std::vector<Tab>& Items() { return tabs_; }

 private:
  std::vector<Tab> tabs_;
};

}  // namespace zelto
