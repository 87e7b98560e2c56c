#pragma once
// The records of a document: notes (entries) and categories. Texts are bytes of the
// Windows-1252 code page, exactly as the document file stores them.
#include <cstdint>
#include <string>
#include <vector>

#include "model/NoteList.h"

namespace zelto {

// A category index: the position of a category in the TabList.
using TabInx = std::uint16_t;
// Marks a top-level category; never a category index.
inline constexpr TabInx NO_PARENT = 0xFFFF;
// The most categories a document can hold (indices 0 to 65,534).
inline constexpr std::size_t MaxCategories = 0xFFFF;

// Bits 0-1 of `flags`.
enum class EntryKind : std::uint8_t { Text = 0, Program = 1 };
inline constexpr std::uint8_t EntryKindMask = 0x03;
// Bit 7 of `flags`: left out of printouts.
inline constexpr std::uint8_t NoPrint = 0x80;

inline EntryKind KindOf(std::uint8_t flags) {
  return static_cast<EntryKind>(flags & EntryKindMask);
}
inline bool IsProgram(std::uint8_t flags) { return KindOf(flags) == EntryKind::Program; }
inline bool IsNoPrint(std::uint8_t flags) { return (flags & NoPrint) != 0; }

struct NoteNode : NoteString {
  TabInx parent = NO_PARENT;
};

enum class TabState : std::uint8_t { Normal = 0, Deleted = 1, Cut = 2 };

// One category.
struct Tab : NoteNode {
  TabState state = TabState::Normal;
  NoteList notes;

  Tab() = default;
  Tab(std::string name, std::uint8_t flagsValue, TabInx parentIndex) {
    text = std::move(name);
    flags = flagsValue;
    parent = parentIndex;
  }
  bool IsTopLevel() const { return parent == NO_PARENT; }
  bool IsNormal() const { return state == TabState::Normal; }
};

// The category indices that the note window shows as category lines.
using TabIndex = std::vector<TabInx>;

}  // namespace zelto
