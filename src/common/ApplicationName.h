#pragma once
// The program's name as its windows and messages show it.
namespace zelto {

inline constexpr const char ApplicationName[] = "Brindamor, version 1.01";

}  // namespace zelto
