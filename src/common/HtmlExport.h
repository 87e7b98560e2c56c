#pragma once
// The category tree as one self-contained HTML page in UTF-8 (no scripts, nothing loaded
// from elsewhere): nested sections with a heading per category, the notes as list items,
// every text escaped, line breaks as <br>, and web addresses (http, https, ftp) as links.
#include <string>

#include "model/TabList.h"

namespace zelto {

void WriteHtmlExport(const TabList& tabs, std::string& out);

}  // namespace zelto
