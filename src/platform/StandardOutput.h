#pragma once
// Raw bytes to the process's standard output, unchanged (no line-end translation).
#include <string_view>

namespace zelto {

// Writes and flushes `bytes`; false when the output refused them.
bool WriteStandardOutput(std::string_view bytes);

}  // namespace zelto
