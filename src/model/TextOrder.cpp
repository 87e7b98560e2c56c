#include "model/TextOrder.h"

#include <algorithm>

namespace zelto {

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = FoldByte(static_cast<unsigned char>(a[i]));
    const unsigned char cb = FoldByte(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool TextStartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && CompareText(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace zelto
