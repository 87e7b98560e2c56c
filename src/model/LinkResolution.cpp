#include "model/LinkResolution.h"

#include <deque>
#include <vector>

#include "model/DocumentFile.h"

namespace zelto {

namespace {

std::deque<std::string> Parts(std::string_view path) {
  std::deque<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string_view::npos ? path.size() : slash;
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string Join(bool absolute, const std::vector<std::string>& parts) {
  std::string path = absolute ? "/" : "";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) path += '/';
    path += parts[i];
  }
  return path.empty() ? "." : path;
}

}  // namespace

ResolvedPath ResolveLinks(std::string_view path, const LinkReader& readLink) {
  ResolvedPath result;
  bool absolute = !path.empty() && path.front() == '/';
  std::vector<std::string> done;  // resolved parts: no link among them
  std::deque<std::string> todo = Parts(path);
  int followed = 0;
  while (!todo.empty()) {
    std::string part = std::move(todo.front());
    todo.pop_front();
    if (part == ".") continue;
    if (part == "..") {
      // The parts done hold no link, so their parent is simply one part less.
      if (!done.empty() && done.back() != "..")
        done.pop_back();
      else if (!absolute)
        done.push_back(std::move(part));
      continue;
    }
    done.push_back(std::move(part));
    const std::optional<std::string> target =
        readLink ? readLink(Join(absolute, done)) : std::nullopt;
    if (!target) continue;
    if (++followed > MaxLinksFollowed) {
      result.path = std::string(path);
      result.error = "Too many levels of symbolic links";
      return result;
    }
    result.linkFollowed = true;
    if (todo.empty()) result.endsInLink = true;
    // The link is replaced by its target, which is read in its turn: it may hold links too.
    done.pop_back();
    if (!target->empty() && target->front() == '/') {
      done.clear();
      absolute = true;
    }
    std::deque<std::string> targetParts = Parts(*target);
    todo.insert(todo.begin(), targetParts.begin(), targetParts.end());
  }
  result.path = result.linkFollowed ? Join(absolute, done) : std::string(path);
  return result;
}

std::string DocumentIdentity(FileStore& files, const std::string& path) {
  return ResolveLinks(files.AbsolutePath(path),
                      [&files](const std::string& p) { return files.LinkTarget(p); })
      .path;
}

}  // namespace zelto
