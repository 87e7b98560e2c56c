#pragma once
// The program's name as its windows and messages show it.
#include "ProgramInfo.h"

namespace zelto {

inline constexpr const char ApplicationName[] = "Brindamor, version " ZELTO_VERSION;

}  // namespace zelto
