#pragma once
// The version information of a program file: its product name, version, copyright and
// special build, read from the version block in the file. A file without a block has no
// version data, and every query fails.
#include <QString>
#include <optional>
#include <string_view>

#include "dialogs/VersionBlock.h"

namespace zelto {

class TProjectRCVersion {
 public:
  // Reads the file the program runs from.
  TProjectRCVersion();
  // Reads `programFile`.
  explicit TProjectRCVersion(const QString& programFile);

  bool HasVersionData() const { return info_.has_value(); }

  // Each value as Windows-1252 bytes, or nothing when the file does not have it.
  std::optional<std::string_view> GetProductName() const { return Query("ProductName"); }
  std::optional<std::string_view> GetProductVersion() const { return Query("ProductVersion"); }
  std::optional<std::string_view> GetCopyright() const { return Query("LegalCopyright"); }
  std::optional<std::string_view> GetSpecialBuild() const { return Query("SpecialBuild"); }
  std::optional<std::string_view> Query(std::string_view valueName) const;

 private:
  std::optional<VersionInfo> info_;
};

}  // namespace zelto
