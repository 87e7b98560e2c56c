#pragma once
// The list of recently opened or saved documents that the File menu offers: newest first,
// each path once, at most a given number of them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

class RecentDocuments {
 public:
  // `limit`: how many paths are kept (0: none).
  explicit RecentDocuments(std::size_t limit = 0, std::vector<std::string> paths = {});

  // `path` was opened or saved: it goes to the top, leaving its older place; the oldest
  // beyond the limit fall off. An empty path is no document and changes nothing.
  void Add(const std::string& path);
  // Takes `path` off the list; false when it was not listed.
  bool Remove(std::string_view path);

  std::size_t Limit() const { return limit_; }
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::size_t limit_;
  std::vector<std::string> paths_;
};

// The menu text of entry `number` (counted from 1) for the file `path`: "&1 work.zlt"; the
// entries after the ninth go without a mnemonic ("1&0", then plain numbers). An '&' of the
// file name shows as itself.
std::string RecentMenuText(std::size_t number, std::string_view path);

}  // namespace zelto
