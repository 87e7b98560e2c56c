#pragma once
// The recovery folder: the copies of unsaved changes are written there, found again when a
// document is opened, and set aside when the user does not want them. The disk is a
// FileStore, so all of it runs in tests without one.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/DocumentFile.h"
#include "model/TabList.h"

namespace zelto {

// How many set-aside copies of one document are kept; older ones are deleted.
inline constexpr int KeptSetAsideCopies = 10;

class RecoveryFiles {
 public:
  RecoveryFiles(FileStore& files, std::string folder);

  const std::string& Folder() const { return folder_; }
  FileStore& Files() { return files_; }

  // The document's full path with every symbolic link resolved, so that a document opened
  // through a link and through its target has one copy.
  std::string IdentityOf(const std::string& documentPath);
  std::string CopyPathOf(const std::string& identity) const;
  // Where the run `runTag` keeps its copy of `identity` while another program holds the file.
  std::string SharedCopyPathOf(const std::string& identity, const std::string& runTag) const;

  // Writes the copy of `tabs` for the document `identity` to `copyPath` (its own copy path
  // when none is given) through the atomic writer, readable by the user alone. Safe on
  // another thread as far as the FileStore is. An empty text, or the reason it failed.
  std::string Write(const TabList& tabs, const std::string& identity,
                    const std::string& copyPath = {});
  void Remove(const std::string& identity);
  // The copies of unnamed documents other than `ownIdentity`'s, newest first.
  std::vector<std::string> UnnamedCopies(const std::string& ownIdentity);
  // The copies of `identity` that runs made while another program held the file, newest first.
  std::vector<std::string> SharedCopiesOf(const std::string& identity);
  // Renames a copy to its next set-aside name, which no later copy takes, and deletes the
  // oldest set-aside copies of the same document beyond KeptSetAsideCopies. The new path, or
  // nothing when the copy could not be renamed.
  std::optional<std::string> SetAside(const std::string& copyPath);

 private:
  // The paths of the copies whose names `wanted` accepts, newest first.
  template <typename Wanted>
  std::vector<std::string> NewestFirst(Wanted wanted);

  FileStore& files_;
  std::string folder_;
};

enum class RecoveryOffer {
  None,      // no copy newer than the document
  Restored,  // the copy is the document's unsaved state now
  Declined,  // the document stays as loaded; the copy was set aside
  Damaged,   // the copy could not be read; the user was told, and it was set aside
};

// After the document `documentPath` was opened into `env`: when a recovery copy of it is
// newer than the file (or the file no longer exists), asks whether to restore it. Yes makes
// the copy the document, unsaved, under the same name; No sets the copy aside. A damaged
// copy is reported and set aside, never loaded; a copy older than the file is set aside
// without a question.
RecoveryOffer OfferRecoveryCopy(DocumentEnv& env, RecoveryFiles& recovery,
                                const std::string& documentPath);

// At start-up, with the document `ownIdentity` (unnamed, of this run) to take one over:
// offers the copies of new documents that earlier runs never saved, newest first, until one
// is restored. Yes makes it the document, unsaved and without a file name, and this run's
// copy; No sets it aside. Damaged ones are reported and set aside.
RecoveryOffer OfferUnnamedRecoveryCopy(DocumentEnv& env, RecoveryFiles& recovery,
                                       const std::string& ownIdentity);

// The question of the offer. `documentExists`: the file is still there.
std::string RestoreQuestion(const std::string& documentPath, std::int64_t copyTime,
                            bool documentExists, const std::string& folder);

// The question of the offer of an unnamed document's copy.
std::string UnnamedRestoreQuestion(std::int64_t copyTime, const std::string& folder);

// A time in milliseconds since 1970 as the local date and time, "2025-12-09 14:03".
std::string LocalTimeText(std::int64_t millisecondsSince1970);

}  // namespace zelto
