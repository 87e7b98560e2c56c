#pragma once
// The walk of the category tree that every export shares: each Normal top-level category
// with its Normal subtree, in TabList order, a category's notes before its children. Cut
// and deleted categories and whatever hangs below them are left out, as are categories that
// no top-level Normal category reaches.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/TabList.h"

namespace zelto {

// A category as an export sees it.
struct ExportCategory {
  std::string_view name;
  std::uint8_t flags = 0;
};

// What an export is told along the walk.
class ExportWriter {
 public:
  virtual ~ExportWriter() = default;
  // A category begins; `path` holds it and its ancestors, the top-level one first.
  virtual void BeginCategory(const std::vector<ExportCategory>& path) = 0;
  // One note of the category last begun (and not yet ended), in list order.
  virtual void Note(std::string_view text, std::uint8_t flags) = 0;
  // The category at depth `depth` (1 for the top level) ends, after its subtree.
  virtual void EndCategory(std::size_t depth) = 0;
};

// Walks `tabs` without recursion, so that a deep tree cannot exhaust the stack; a category
// whose parent chain runs in a circle is never reached.
void WalkExportTree(const TabList& tabs, ExportWriter& writer);

}  // namespace zelto
