#pragma once
// The category tree as JSON in UTF-8, versioned:
//   {"format": "brindamor-export", "version": 1, "categories": [CATEGORY, ...]}
//   CATEGORY: {"name": TEXT, "flags": NUMBER, "notes": [NOTE, ...], "children": [CATEGORY, ...]}
//   NOTE:     {"text": TEXT, "kind": "text" | "program", "noPrint": BOOL, "flags": NUMBER}
// Categories come in the tree's order, notes in their sorted order; a line break in a note is
// "\r\n". "flags" is the stored flag byte, for what the other fields do not say.
#include <string>
#include <string_view>

#include "model/TabList.h"

namespace zelto {

inline constexpr std::string_view JsonExportFormat = "brindamor-export";
inline constexpr int JsonExportVersion = 1;

void WriteJsonExport(const TabList& tabs, std::string& out);

}  // namespace zelto
