#include "model/TextHash.h"

namespace zelto {

std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string HashText(std::uint64_t hash) {
  static constexpr char digits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (std::size_t i = 16; i-- > 0; hash >>= 4) text[i] = digits[hash & 0xF];
  return text;
}

}  // namespace zelto
