#include "dialogs/TProjectRCVersion.h"

#include <QCoreApplication>
#include <QFile>

#include "ProgramInfo.h"

namespace zelto {

namespace {

// The program's version block. The About box does not read it from memory but finds it again
// in the program file; `used` keeps it in the executable although no code refers to it.
// Each key and its value stand on lines of their own, as the block lists them.
// clang-format off
[[gnu::used]] constexpr auto versionBlock = version_block::Build(
    "\\VarFileInfo\\Translation\0"
    "0409 04E4\0"
    "\\StringFileInfo\\040904E4\\ProductName\0"
    "Brindamor\0"
    "\\StringFileInfo\\040904E4\\ProductVersion\0"
    ZELTO_VERSION " " ZELTO_RELEASE_DATE_US "\0"
    "\\StringFileInfo\\040904E4\\FileVersion\0"
    ZELTO_VERSION "\0"
    "\\StringFileInfo\\040904E4\\InternalName\0"
    "Brindamor\0"
    "\\StringFileInfo\\040904E4\\OriginalFilename\0"
    "zelto\0"
    "\\StringFileInfo\\040904E4\\LegalCopyright\0"
    "Copyright \xA9 1997 the Brindamor authors");
// clang-format on

// The version block in a file, searched through a memory mapping when the system offers one.
std::optional<VersionData> FindInFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const qint64 size = file.size();
  if (size <= 0) return std::nullopt;
  if (const uchar* mapped = file.map(0, size)) {
    auto data = VersionData::Find(
        std::string_view(reinterpret_cast<const char*>(mapped), static_cast<std::size_t>(size)));
    file.unmap(const_cast<uchar*>(mapped));
    return data;
  }
  const QByteArray bytes = file.readAll();
  return VersionData::Find(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

TProjectRCVersion::TProjectRCVersion()
    : TProjectRCVersion(QCoreApplication::applicationFilePath()) {}

TProjectRCVersion::TProjectRCVersion(const QString& programFile) {
  if (auto data = FindInFile(programFile)) info_ = VersionInfo::From(std::move(*data));
}

std::optional<std::string_view> TProjectRCVersion::Query(std::string_view valueName) const {
  if (!info_) return std::nullopt;
  return info_->Query(valueName);
}

}  // namespace zelto
