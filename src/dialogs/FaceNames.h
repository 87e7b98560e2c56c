#pragma once
// The face names the font dialog offers, from the system's font list.
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

// A face name without the foundry that the system's font list puts in brackets behind a
// family several foundries make: "Nimbus Sans [URW]" is "Nimbus Sans".
std::string FaceWithoutFoundry(std::string_view face);

// The faces of `listed` (in its order) without their foundries, each name once, letter case
// ignored: the first spelling stays.
std::vector<std::string> DistinctFaces(const std::vector<std::string>& listed);

}  // namespace zelto
