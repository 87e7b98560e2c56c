#pragma once
// Conversion of the document's Windows-1252 bytes for display.
#include <QString>
#include <string_view>

namespace zelto {

// Every byte maps to one character, so nothing is lost on the way to the screen.
QString FromWin1252(std::string_view bytes);

}  // namespace zelto
