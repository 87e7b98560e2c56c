#pragma once
// The recent documents of the File menu: every document opened or saved goes to the top of
// the list, which the settings keep from one run to the next; choosing an entry opens that
// file as Open does, and an entry whose file is gone leaves the list.
#include <functional>
#include <string>
#include <vector>

#include "app/DocumentCommands.h"
#include "common/CommandTable.h"
#include "common/SettingsStore.h"
#include "model/DocumentFile.h"
#include "model/RecentDocuments.h"

namespace zelto {

class RecentDocumentCommands {
 public:
  using Show = std::function<void(const std::vector<std::string>& paths)>;
  using OpenFile = std::function<OpenOutcome(const std::string& path)>;

  // Reads the stored list, keeping at most `limit` entries. `show` puts a changed list into
  // the menu; `open` opens a file as Open does.
  RecentDocumentCommands(SettingsStore& store, FileStore& files, std::size_t limit, Show show,
                         OpenFile open);

  // The handlers of the entries' commands.
  void Register(CommandTable& table);

  // The document `fileName` was opened or saved.
  void Note(const std::string& fileName);
  // Opens entry `index` (0: the newest).
  void OpenEntry(std::size_t index);

  const RecentDocuments& List() const { return recent_; }

 private:
  void Changed();

  SettingsStore& store_;
  FileStore& files_;
  RecentDocuments recent_;
  Show show_;
  OpenFile open_;
};

}  // namespace zelto
