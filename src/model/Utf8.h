#pragma once
// Windows-1252 bytes as UTF-8. Every byte value has a character: the five bytes the code
// page leaves unassigned stand for the control characters of the same number, as the
// program's window codec has them, so that nothing is lost on the way.
#include <string>
#include <string_view>

namespace zelto {

// The character (code point) of one byte.
char32_t Cp1252Character(unsigned char byte);
// Appends `character` to `out` in UTF-8.
void AppendUtf8(char32_t character, std::string& out);
// Appends the UTF-8 of `bytes` to `out`.
void AppendCp1252AsUtf8(std::string_view bytes, std::string& out);
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace zelto
