#pragma once
// Following symbolic links in a path, without touching the disk: the caller says which
// paths are links and where they point. A document opened through a link is saved where the
// link points, and the link itself stays a link.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zelto {

class FileStore;

// The target of `path` as the link stores it (relative to the link's folder, or absolute)
// when `path` is a symbolic link; nothing for any other path.
using LinkReader = std::function<std::optional<std::string>(const std::string& path)>;

// More links than this in one path are taken for a loop.
inline constexpr int MaxLinksFollowed = 40;

struct ResolvedPath {
  // The path with every link in it replaced by its target, "." and ".." taken out; the path
  // as given, unchanged, when no link was followed.
  std::string path;
  bool linkFollowed = false;  // some part of the path was a link
  // The last part of the path was a link: `path` is where that link (or chain) ends. When
  // nothing is there, the link dangles.
  bool endsInLink = false;
  std::string error;  // not empty: the path could not be resolved (a loop of links)
};

// Resolves `path` part by part from the left, so a link inside a linked folder is found too.
// Paths use '/'; a relative path stays relative.
ResolvedPath ResolveLinks(std::string_view path, const LinkReader& readLink);

// The document's full path with every symbolic link resolved: what names one document,
// however it was reached (through a link, or by a relative name).
std::string DocumentIdentity(FileStore& files, const std::string& path);

}  // namespace zelto
