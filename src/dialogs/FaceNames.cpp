#include "dialogs/FaceNames.h"

#include <set>

#include "model/TextOrder.h"

namespace zelto {

std::string FaceWithoutFoundry(std::string_view face) {
  if (face.size() < 2 || face.back() != ']') return std::string(face);
  const std::size_t open = face.rfind(" [");
  if (open == std::string_view::npos || open == 0) return std::string(face);
  return std::string(face.substr(0, open));
}

std::vector<std::string> DistinctFaces(const std::vector<std::string>& listed) {
  const auto less = [](const std::string& a, const std::string& b) {
    return CompareText(a, b) < 0;
  };
  std::set<std::string, decltype(less)> seen(less);
  std::vector<std::string> faces;
  for (const std::string& face : listed) {
    std::string name = FaceWithoutFoundry(face);
    if (seen.insert(name).second) faces.push_back(std::move(name));
  }
  return faces;
}

}  // namespace zelto
