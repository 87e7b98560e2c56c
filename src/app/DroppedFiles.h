#pragma once
// What becomes of files dropped on the window: one Brindamor document is opened, anything
// else is refused with a message that says why.
#include <optional>
#include <string>
#include <vector>

namespace zelto {

struct DroppedFilesDecision {
  std::optional<std::string> open;  // the document to open
  std::string refusal;              // otherwise the message
};

// `paths`: the local files dropped, as the file system names them.
DroppedFilesDecision DecideDroppedFiles(const std::vector<std::string>& paths);

}  // namespace zelto
