#pragma once
// The disk as loading and saving use it. Paths are UTF-8. Writes go to a temporary file
// beside the target, which is flushed to disk and renamed over the target only when the
// whole content is written (QSaveFile).
#include "model/DocumentFile.h"

namespace zelto {

class QtFileStore : public FileStore {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override;
  std::unique_ptr<FileReader> OpenForReading(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  std::string WriteAtomic(const std::string& path, std::string_view data,
                          const std::function<void()>& beforeReplace = {}) override;
  std::string WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                const std::function<void()>& beforeReplace = {}) override;
  // A second name for the file (a hard link) that then replaces the backup; a copy where
  // the file system has no hard links.
  std::string BackUp(const std::string& path, const std::string& backup) override;
  // An absolute path (the link's folder joined with what the link holds).
  std::optional<std::string> LinkTarget(const std::string& path) override;
  std::string AbsolutePath(const std::string& path) override;
  std::optional<std::int64_t> ModifiedTime(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder) override;
  // Mode 0700 on Linux.
  std::string MakePrivateFolder(const std::string& folder) override;
  // Mode 0600 on Linux, from the moment the file appears.
  std::string WritePrivate(const std::string& path, std::string_view data) override;
  // Device, inode, size and the time of the last write to the nanosecond, links followed.
  std::optional<FileIdentity> Identify(const std::string& path) override;

 private:
  std::string Write(const std::string& path, const ContentWriter& content,
                    const std::function<void()>& beforeReplace, bool ownerOnly);
};

}  // namespace zelto
