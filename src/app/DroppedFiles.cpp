#include "app/DroppedFiles.h"

#include "model/TextOrder.h"

namespace zelto {
namespace {

bool IsDocumentName(const std::string& path) {
  constexpr std::string_view extension = ".zlt";
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name =
      std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
  // A name that is only the extension names no document.
  return name.size() > extension.size() &&
         TextEqual(name.substr(name.size() - extension.size()), extension);
}

}  // namespace

DroppedFilesDecision DecideDroppedFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return {};
  if (paths.size() > 1)
    return {std::nullopt,
            "Only one document can be open at a time: drop a single Brindamor file (*.zlt)."};
  if (!IsDocumentName(paths.front()))
    return {std::nullopt,
            paths.front() + " is not a Brindamor file (*.zlt), so it cannot be opened."};
  return {paths.front(), {}};
}

}  // namespace zelto
