#include "mainwin/NoteOperations.h"

#include "model/Records.h"
#include "model/TextOrder.h"

namespace zelto {

namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::vector<std::string> SplitEntry(std::string_view text) {
  std::vector<std::string> pieces;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    if (i >= text.size()) break;
    const std::size_t end = text.find_first_of("\r\n", i);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    pieces.emplace_back(text.substr(i, stop - i));
    i = stop;
  }
  return pieces;
}

std::string DeleteNoteQuestion(std::string_view noteText) {
  return "Delete note \"" + std::string(noteText.substr(0, 30)) + "\"...?";
}

std::int32_t FindAddedNote(const NoteList& notes, std::string_view text) {
  if (notes.Empty()) return NoAddedNote;
  std::size_t low = 0, high = notes.Count() - 1;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const int c = CompareText(notes[mid].text, text);
    if (c == 0) return static_cast<std::int32_t>(mid);
    if (c < 0) {
      low = mid + 1;
    } else {
      if (mid == 0) return NoAddedNote;  // everything sorts after the text
      high = mid - 1;
    }
  }
  if (low == high && CompareText(notes[low].text, text) == 0) return static_cast<std::int32_t>(low);
  return NoAddedNote;
}

std::optional<std::int32_t> SplitNote(TabList& tabs, NoteListChange& change, std::size_t index) {
  const NoteList& notes = tabs[change.Category()].notes;
  if (index >= notes.Count()) return std::nullopt;
  const std::string text = notes[index].text;
  change.Remove(tabs, index);
  const std::vector<std::string> pieces = SplitEntry(text);
  for (const std::string& piece : pieces) change.Insert(tabs, NoteString{piece, 0});
  if (pieces.empty()) return std::nullopt;
  return FindAddedNote(notes, pieces.front());
}

}  // namespace zelto
