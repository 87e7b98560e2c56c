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
};

}  // namespace zelto
