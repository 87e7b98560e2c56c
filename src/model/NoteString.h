#pragma once
// One entry (note), or a category's name, with its flags. Texts are bytes of the
// Windows-1252 code page, exactly as the document file stores them.
#include <cstdint>
#include <string>

namespace zelto {

struct NoteString {
  std::string text;
  std::uint8_t flags = 0;
};

}  // namespace zelto
