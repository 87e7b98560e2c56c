#include "model/FileIdentity.h"

#include "model/DocumentFile.h"

namespace zelto {

DiskChange CompareOnDisk(const std::optional<FileIdentity>& recorded,
                         const std::optional<FileIdentity>& now) {
  if (!now) return recorded ? DiskChange::Removed : DiskChange::None;
  return recorded == now ? DiskChange::None : DiskChange::Changed;
}

std::optional<FileIdentity> IdentityFromContent(FileStore& files, const std::string& path) {
  if (!files.Exists(path)) return std::nullopt;
  FileIdentity identity;
  if (const std::optional<std::string> content = files.ReadAll(path))
    identity.size = static_cast<std::int64_t>(content->size());
  else
    identity.size = -1;
  identity.modifiedNs = files.ModifiedTime(path).value_or(0) * 1000000;
  return identity;
}

void DiskRecord::Record(const std::string& path, const std::optional<FileIdentity>& identity) {
  known_ = true;
  path_ = path;
  identity_ = identity;
}

void DiskRecord::Forget() {
  known_ = false;
  path_.clear();
  identity_.reset();
}

DiskChange DiskRecord::Check(FileStore& files, const std::string& path) const {
  if (!Knows(path)) return DiskChange::None;
  return CompareOnDisk(identity_, files.Identify(path));
}

}  // namespace zelto
