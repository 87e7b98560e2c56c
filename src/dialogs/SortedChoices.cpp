#include "dialogs/SortedChoices.h"

#include <algorithm>

#include "model/TextOrder.h"

namespace zelto {

std::size_t SortedChoices::Add(std::string text, int data) {
  const auto at = std::upper_bound(
      items_.begin(), items_.end(), text,
      [](const std::string& t, const Item& item) { return TextLess(t, item.text); });
  const auto pos = static_cast<std::size_t>(at - items_.begin());
  items_.insert(at, Item{std::move(text), data});
  return pos;
}

std::optional<std::size_t> SortedChoices::FindPrefix(std::string_view prefix) const {
  if (prefix.empty()) return std::nullopt;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (TextStartsWith(items_[i].text, prefix)) return i;
  return std::nullopt;
}

}  // namespace zelto
