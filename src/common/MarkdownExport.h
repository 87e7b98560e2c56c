#pragma once
// The category tree as Markdown (CommonMark), in UTF-8: a heading per category by its depth
// (below the sixth level a sixth-level heading with the whole path), the notes as a bullet
// list in their order. Every ASCII punctuation character is escaped with a backslash, blanks
// at the ends of a line and line breaks that Markdown would swallow are written as character
// references, and a line break inside a note is a hard line break: the text reads back as
// written.
#include <string>

#include "model/TabList.h"

namespace zelto {

void WriteMarkdownExport(const TabList& tabs, std::string& out);

}  // namespace zelto
