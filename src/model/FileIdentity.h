#pragma once
// What tells one version of a file from another without reading it: the file itself (device
// and inode, since a file replaced by a rename is another file) with its size and the time it
// was last written. A document records it when it is loaded or saved; a save compares it with
// what is on disk, so that it never writes over a version it has not seen.
#include <cstdint>
#include <optional>
#include <string>

namespace zelto {

class FileStore;

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;  // nanoseconds since 1970
  bool operator==(const FileIdentity&) const = default;
};

// How the file on disk stands beside the version a document holds.
enum class DiskChange {
  None,     // the same file, or still no file
  Changed,  // another file, or the same one written since (a file where there was none too)
  Removed,  // there was a file and there is none now
};

// `recorded`: the file when the document was loaded or saved (nothing: there was none);
// `now`: the file there now.
DiskChange CompareOnDisk(const std::optional<FileIdentity>& recorded,
                         const std::optional<FileIdentity>& now);

// An identity for a store that knows no devices or inodes: the size of the content and the
// time of the last write. Nothing when there is no file at `path`.
std::optional<FileIdentity> IdentityFromContent(FileStore& files, const std::string& path);

// The file a document is bound to, as it was when the document last loaded or saved it.
class DiskRecord {
 public:
  // The document now holds what `path` holds; `identity` is that file as read or written.
  void Record(const std::string& path, const std::optional<FileIdentity>& identity);
  // The document is bound to no file.
  void Forget();
  bool Knows(const std::string& path) const { return known_ && path == path_; }
  // How the file at `path` stands now beside the recorded version; None for a path other
  // than the recorded one, which this document never held.
  DiskChange Check(FileStore& files, const std::string& path) const;

 private:
  bool known_ = false;
  std::string path_;
  std::optional<FileIdentity> identity_;
};

}  // namespace zelto
