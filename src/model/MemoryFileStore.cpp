#include "model/MemoryFileStore.h"

namespace zelto {

namespace {

// Keeps what it is given, and fails once more than `limit` bytes would have been taken.
class LimitedSink : public ByteSink {
 public:
  LimitedSink(std::string& out, std::size_t limit) : out_(out), limit_(limit) {}
  bool Write(std::string_view bytes) override {
    failed_ = failed_ || bytes.size() > limit_ - out_.size();
    if (!failed_) out_.append(bytes);
    return !failed_;
  }
  bool Failed() const { return failed_; }

 private:
  std::string& out_;
  std::size_t limit_;
  bool failed_ = false;
};

}  // namespace

std::optional<std::string> MemoryFileStore::ReadAll(const std::string& path) {
  const auto it = files.find(path);
  if (it == files.end() || unreadable.contains(path)) return std::nullopt;
  return it->second;
}

std::unique_ptr<FileReader> MemoryFileStore::OpenForReading(const std::string& path) {
  const auto it = files.find(path);
  if (it == files.end() || unreadable.contains(path)) return nullptr;
  return std::make_unique<MemoryFileReader>(it->second, readPiece, readFailsAfter);
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
  return Write(
      path, [data](ByteSink& sink) { sink.Write(data); }, beforeReplace);
}

std::string MemoryFileStore::WriteAtomicStream(const std::string& path,
                                               const ContentWriter& content,
                                               const std::function<void()>& beforeReplace) {
  return Write(path, content, beforeReplace);
}

std::string MemoryFileStore::Write(const std::string& path, const ContentWriter& content,
                                   const std::function<void()>& beforeReplace) {
  if (fault == WriteFault::BeforeWrite) return faultReason;
  std::string written;
  LimitedSink sink(written,
                   fault == WriteFault::DuringWrite ? faultAfterBytes : written.max_size());
  content(sink);
  if (sink.Failed()) return faultReason;
  if (beforeReplace) beforeReplace();
  if (fault == WriteFault::AtReplace) return faultReason;
  files[path] = std::move(written);
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
