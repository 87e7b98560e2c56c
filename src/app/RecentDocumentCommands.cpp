#include "app/RecentDocumentCommands.h"

#include "common/CommandIds.h"
#include "common/RecentDocumentSettings.h"

namespace zelto {

RecentDocumentCommands::RecentDocumentCommands(SettingsStore& store, FileStore& files,
                                               std::size_t limit, Show show, OpenFile open)
    : store_(store),
      files_(files),
      recent_(ReadRecentDocuments(store, limit)),
      show_(std::move(show)),
      open_(std::move(open)) {
  if (show_) show_(recent_.Paths());
}

void RecentDocumentCommands::Register(CommandTable& table) {
  for (int id = CM_RECENTFILE1; id <= CM_RECENTFILELAST; ++id) {
    const auto index = static_cast<std::size_t>(id - CM_RECENTFILE1);
    table.Add(
        id, [this, index] { OpenEntry(index); },
        [this, index] { return index < recent_.Paths().size(); });
  }
}

void RecentDocumentCommands::Note(const std::string& fileName) {
  if (fileName.empty() || recent_.Limit() == 0) return;
  // One entry per file, however it was named when opened.
  const std::string path = files_.AbsolutePath(fileName);
  if (!recent_.Paths().empty() && recent_.Paths().front() == path) return;
  recent_.Add(path);
  Changed();
}

void RecentDocumentCommands::OpenEntry(std::size_t index) {
  if (index >= recent_.Paths().size() || !open_) return;
  const std::string path = recent_.Paths()[index];
  // A file that opened came to the top through Note already.
  if (open_(path) == OpenOutcome::Missing && recent_.Remove(path)) Changed();
}

void RecentDocumentCommands::Changed() {
  WriteRecentDocuments(store_, recent_);
  if (show_) show_(recent_.Paths());
}

}  // namespace zelto
