#pragma once
// Substring search under the program's one letter-case rule (ASCII letters fold, no
// other byte does), for the search command and the web-link finder.
#include <cstddef>
#include <string_view>

namespace zelto {

// Position of the first occurrence of `needle` in `text` at or after `from`, letters
// compared without regard to case; npos when there is none. An empty needle is found
// at `from` (when `from` lies within the text or at its end).
std::size_t FindTextIgnoringCase(std::string_view text, std::string_view needle,
                                 std::size_t from = 0);

inline bool ContainsText(std::string_view text, std::string_view needle) {
  return FindTextIgnoringCase(text, needle) != std::string_view::npos;
}

}  // namespace zelto
