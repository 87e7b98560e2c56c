#include "common/TextSearch.h"

#include <algorithm>

#include "model/TextOrder.h"

namespace zelto {

std::size_t FindTextIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
  if (from > text.size()) return std::string_view::npos;
  const auto same = [](char a, char b) {
    return FoldByte(static_cast<unsigned char>(a)) == FoldByte(static_cast<unsigned char>(b));
  };
  const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                              needle.begin(), needle.end(), same);
  if (it == text.end() && !needle.empty()) return std::string_view::npos;
  return static_cast<std::size_t>(it - text.begin());
}

}  // namespace zelto
