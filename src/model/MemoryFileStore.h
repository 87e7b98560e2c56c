#pragma once
// A FileStore held in memory, for tests, fuzzing and headless use. It can be told to fail
// a write, before anything is written or just as the new file would take its place.
#include <map>
#include <set>
#include <string>

#include "model/DocumentFile.h"

namespace zelto {

class MemoryFileStore : public FileStore {
 public:
  enum class WriteFault { None, BeforeWrite, AtReplace };

  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;          // there, but ReadAll fails on them
  std::map<std::string, std::string> links;  // symbolic links: path to target as stored
  // When each file was written: a clock that ticks once a write or rename.
  std::map<std::string, std::int64_t> times;
  std::int64_t clock = 0;
  WriteFault fault = WriteFault::None;
  std::string faultReason = "Disk full";

  std::optional<std::string> ReadAll(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  std::string WriteAtomic(const std::string& path, std::string_view data,
                          const std::function<void()>& beforeReplace = {}) override;
  std::optional<std::string> LinkTarget(const std::string& path) override;
  std::optional<std::int64_t> ModifiedTime(const std::string& path) override;
  // The files whose name is `folder` + "/" + a name without a further "/".
  std::vector<std::string> FileNames(const std::string& folder) override;
};

}  // namespace zelto
