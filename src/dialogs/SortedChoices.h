#pragma once
// The items of a sorted list box or combo box: texts in the program's text order, each with
// a number attached, and the search for the first item that begins with a given text.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

class SortedChoices {
 public:
  struct Item {
    std::string text;  // Windows-1252 bytes
    int data = 0;
  };

  // Inserts in text order, behind items of equal text; returns the new item's position.
  std::size_t Add(std::string text, int data);

  // The first item whose text begins with `prefix`, ignoring the case of ASCII letters.
  // An empty prefix names no item.
  std::optional<std::size_t> FindPrefix(std::string_view prefix) const;

  std::size_t Size() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  const Item& operator[](std::size_t i) const { return items_[i]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<Item> items_;
};

}  // namespace zelto
