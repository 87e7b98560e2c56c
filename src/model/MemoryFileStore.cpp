#include "model/MemoryFileStore.h"

namespace zelto {

std::optional<std::string> MemoryFileStore::ReadAll(const std::string& path) {
  const auto it = files.find(path);
  if (it == files.end() || unreadable.contains(path)) return std::nullopt;
  return it->second;
}

bool MemoryFileStore::Exists(const std::string& path) { return files.contains(path); }

bool MemoryFileStore::Remove(const std::string& path) {
  times.erase(path);
  return files.erase(path) > 0;
}

bool MemoryFileStore::Rename(const std::string& from, const std::string& to) {
  const auto it = files.find(from);
  if (it == files.end() || files.contains(to)) return false;
  std::string content = std::move(it->second);
  files.erase(it);
  files.emplace(to, std::move(content));
  times.erase(from);
  times[to] = ++clock;
  return true;
}

std::string MemoryFileStore::WriteAtomic(const std::string& path, std::string_view data,
                                         const std::function<void()>& beforeReplace) {
  if (fault == WriteFault::BeforeWrite) return faultReason;
  if (beforeReplace) beforeReplace();
  if (fault == WriteFault::AtReplace) return faultReason;
  files[path] = std::string(data);
  times[path] = ++clock;
  return {};
}

std::optional<std::string> MemoryFileStore::LinkTarget(const std::string& path) {
  const auto it = links.find(path);
  if (it == links.end()) return std::nullopt;
  return it->second;
}

std::optional<std::int64_t> MemoryFileStore::ModifiedTime(const std::string& path) {
  if (!files.contains(path)) return std::nullopt;
  const auto it = times.find(path);
  return it == times.end() ? 0 : it->second;
}

std::vector<std::string> MemoryFileStore::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  const std::string prefix = folder + "/";
  for (const auto& [path, content] : files)
    if (path.compare(0, prefix.size(), prefix) == 0 &&
        path.find('/', prefix.size()) == std::string::npos)
      names.push_back(path.substr(prefix.size()));
  return names;
}

}  // namespace zelto
