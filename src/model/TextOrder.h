#pragma once
// The one text ordering rule of the program, used for notes and category names:
// ASCII letters a-z fold to A-Z (no other byte folds), bytes compare unsigned, and a
// text that is a prefix of another sorts first.
#include <string_view>

namespace zelto {

// Negative, zero or positive like strcmp.
int CompareText(std::string_view a, std::string_view b);

inline bool TextEqual(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }
inline bool TextLess(std::string_view a, std::string_view b) { return CompareText(a, b) < 0; }

// True when `text` begins with `prefix` under the same folding.
bool TextStartsWith(std::string_view text, std::string_view prefix);

// Upper-case fold of one byte, ASCII letters only.
constexpr unsigned char FoldByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

}  // namespace zelto
