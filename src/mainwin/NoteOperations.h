#pragma once
// Pure pieces of the note commands: splitting a note into one note per line, the
// question before a delete, and finding a just-inserted note again.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/NoteList.h"
#include "model/NoteListChange.h"

namespace zelto {

// The lines of a note as separate texts: leading white space (blank, tab, LF, VT, FF, CR)
// of each line is dropped, trailing blanks are kept, empty and blank lines give nothing.
std::vector<std::string> SplitEntry(std::string_view text);

// "Delete note "<first 30 characters>"...?"
std::string DeleteNoteQuestion(std::string_view noteText);

// The value of `addedNote` when the note was not found again: no line is selected.
inline constexpr std::int32_t NoAddedNote = 2147483647;

// The index of a note with this text (letter case ignored) in the sorted list, found by
// bisection; with several equal texts any one of them; NoAddedNote when there is none.
std::int32_t FindAddedNote(const NoteList& notes, std::string_view text);

// Split entry on note `index` of the category of `change`: the note is replaced by one
// text note per non-blank line (kind and NoPrint are not carried over), and `change`
// records the removal and the inserts. Returns the index of the first piece for
// `addedNote`, or nothing when the note held only white space (it is then removed and
// nothing is added) or `index` is not a note.
std::optional<std::int32_t> SplitNote(TabList& tabs, NoteListChange& change, std::size_t index);

}  // namespace zelto
