#include "model/MemoryFileStore.h"

namespace zelto {

std::optional<std::string> MemoryFileStore::ReadAll(const std::string& path) {
  const auto it = files.find(path);
  if (it == files.end() || unreadable.contains(path)) return std::nullopt;
  return it->second;
}

bool MemoryFileStore::Exists(const std::string& path) { return files.contains(path); }

bool MemoryFileStore::Remove(const std::string& path) { return files.erase(path) > 0; }

bool MemoryFileStore::Rename(const std::string& from, const std::string& to) {
  const auto it = files.find(from);
  if (it == files.end() || files.contains(to)) return false;
  std::string content = std::move(it->second);
  files.erase(it);
  files.emplace(to, std::move(content));
  return true;
}

std::string MemoryFileStore::WriteAtomic(const std::string& path, std::string_view data,
                                         const std::function<void()>& beforeReplace) {
  if (fault == WriteFault::BeforeWrite) return faultReason;
  if (beforeReplace) beforeReplace();
  if (fault == WriteFault::AtReplace) return faultReason;
  files[path] = std::string(data);
  return {};
}

}  // namespace zelto
