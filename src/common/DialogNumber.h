#pragma once
// Numbers typed into the edits of the dialogs. The text is read the way users have always
// seen these fields behave: leading blanks and a sign are allowed, reading stops at the first
// other character, and a text without a number reads as 0. A number too large to hold is
// clamped, so that it falls outside every accepted range instead of wrapping into one.
#include <cstdint>
#include <string_view>

namespace zelto {

// The decimal number at the start of `text`.
std::int64_t LeadingDecimal(std::string_view text);

// An edit's text is read up to this many characters.
inline constexpr std::size_t MaxEditText = 255;

}  // namespace zelto
