#pragma once
// The recent documents of the File menu in the settings: the values RecentFile1,
// RecentFile2, ... hold the paths, newest first; the setting RecentFiles says how many are
// kept.
#include "common/SettingsStore.h"
#include "model/RecentDocuments.h"

namespace zelto {

// The most entries the list can have, whatever RecentFiles says.
inline constexpr std::uint32_t MostRecentFiles = 16;
constexpr bool IsValidRecentFiles(std::uint32_t n) { return n <= MostRecentFiles; }

// The stored list, cut to `limit` entries.
RecentDocuments ReadRecentDocuments(SettingsStore& store, std::size_t limit);
// Stores the list; the values of entries it no longer has are emptied.
void WriteRecentDocuments(SettingsStore& store, const RecentDocuments& recent);

}  // namespace zelto
