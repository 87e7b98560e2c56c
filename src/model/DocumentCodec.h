#pragma once
// The byte layout of a document file, both ways, without any I/O: bytes to categories
// with their notes, and categories back to bytes.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/TabList.h"

namespace zelto {

// The two record layouts: "1.00" has no per-category note counts.
enum class FileLayout { V100, V101 };

// The stream version the writer puts after the ':' header mark.
inline constexpr std::uint32_t WrittenStreamVersion = 257;

// What a file's bytes turned out to hold.
struct DecodedDocument {
  bool isZelto = false;  // the signature matched; nothing else is set otherwise
  FileLayout layout = FileLayout::V101;
  TabList tabs;                     // every complete category record, notes attached, all Normal
  bool truncated = false;           // the bytes ended (or a count overran them) before the end
  std::size_t parentsRepaired = 0;  // categories with a parent out of range or in a cycle
  std::size_t notesSkipped = 0;     // complete notes whose category does not exist
  // Complete notes whose category is the one after the last record: they belong to the
  // default category when the load adds it there, and are left out otherwise.
  NoteList notesOfNextCategory;

  bool Damaged() const {
    return truncated || parentsRepaired > 0 || notesSkipped > 0 || !notesOfNextCategory.Empty();
  }
};

// The layout a version string selects: its leading decimal number, as a float, from
// 1.01 upwards is "1.01"; anything lower (or no number) is "1.00".
FileLayout LayoutOfVersion(std::string_view version);

// Reads a whole file image. Never reads beyond `bytes` and never allocates more than the
// bytes could hold. A category whose parent is out of range or closes a cycle becomes a
// top-level category, so its notes stay reachable.
DecodedDocument DecodeDocument(std::string_view bytes);

// The file image of the categories to be saved: every live category (Normal, with no
// ancestor cut away), numbered in TabList order, with its notes.
std::string EncodeDocument(const TabList& tabs, FileLayout layout);

}  // namespace zelto
