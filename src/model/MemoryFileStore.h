#pragma once
// A FileStore held in memory, for tests, fuzzing and headless use. It can be told to fail
// a write: before anything is written, after some bytes of it, or just as the new file would
// take its place.
#include <map>
#include <set>
#include <string>

#include "model/DocumentFile.h"

namespace zelto {

class MemoryFileStore : public FileStore {
 public:
  enum class WriteFault { None, BeforeWrite, DuringWrite, AtReplace };

  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;          // there, but reading them fails
  std::map<std::string, std::string> links;  // symbolic links: path to target as stored
  // When each file was written: a clock that ticks once a write or rename.
  std::map<std::string, std::int64_t> times;
  std::int64_t clock = 0;
  WriteFault fault = WriteFault::None;
  std::size_t faultAfterBytes = 0;  // how much a DuringWrite fault lets through
  std::string faultReason = "Disk full";
  // The most bytes one read of an opened file gives (0: all that are left), so that tests
  // see files arrive in small pieces.
  std::size_t readPiece = 0;
  // Reading an opened file fails once this many bytes of it have been read.
  std::size_t readFailsAfter = std::string::npos;

  std::optional<std::string> ReadAll(const std::string& path) override;
  std::unique_ptr<FileReader> OpenForReading(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  std::string WriteAtomic(const std::string& path, std::string_view data,
                          const std::function<void()>& beforeReplace = {}) override;
  std::string WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                const std::function<void()>& beforeReplace = {}) override;
  std::optional<std::string> LinkTarget(const std::string& path) override;
  std::optional<std::int64_t> ModifiedTime(const std::string& path) override;
  // The files whose name is `folder` + "/" + a name without a further "/".
  std::vector<std::string> FileNames(const std::string& folder) override;

 private:
  std::string Write(const std::string& path, const ContentWriter& content,
                    const std::function<void()>& beforeReplace);
};

}  // namespace zelto
