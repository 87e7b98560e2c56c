#include "common/RecentDocumentSettings.h"

#include <string>

namespace zelto {
namespace {

std::string ValueName(std::uint32_t number) { return "RecentFile" + std::to_string(number); }

}  // namespace

RecentDocuments ReadRecentDocuments(SettingsStore& store, std::size_t limit) {
  std::vector<std::string> paths;
  store.OpenSettingsKey();
  for (std::uint32_t n = 1; n <= MostRecentFiles; ++n)
    paths.push_back(store.ReadString(ValueName(n), "", MaxLongSettingText));
  store.CloseSettingsKey();
  return RecentDocuments(limit, std::move(paths));
}

void WriteRecentDocuments(SettingsStore& store, const RecentDocuments& recent) {
  const std::vector<std::string>& paths = recent.Paths();
  store.OpenSettingsKey();
  for (std::uint32_t n = 1; n <= MostRecentFiles; ++n) {
    const std::string name = ValueName(n);
    if (n <= paths.size())
      store.WriteString(name, paths[n - 1]);
    else if (store.HasValue(name))
      store.WriteString(name, "");
  }
  store.CloseSettingsKey();
}

}  // namespace zelto
