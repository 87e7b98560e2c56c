#include "model/RecentDocuments.h"

#include <algorithm>

namespace zelto {

RecentDocuments::RecentDocuments(std::size_t limit, std::vector<std::string> paths)
    : limit_(limit) {
  // Stored lists pass the same rule: no empty or repeated paths, no more than the limit.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) Add(*it);
}

void RecentDocuments::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > limit_) paths_.resize(limit_);
}

bool RecentDocuments::Remove(std::string_view path) {
  const auto it = std::find(paths_.begin(), paths_.end(), path);
  if (it == paths_.end()) return false;
  paths_.erase(it);
  return true;
}

std::string RecentMenuText(std::size_t number, std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::string text;
  if (number < 10)
    text = "&" + std::to_string(number);
  else if (number == 10)
    text = "1&0";
  else
    text = std::to_string(number);
  text += ' ';
  for (const char c : name) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace zelto
