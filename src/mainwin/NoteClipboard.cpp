#include "mainwin/NoteClipboard.h"

namespace zelto {

std::string ClipboardTextOf(const NoteString& note) {
  return IsProgram(note.flags) ? "\\E" + note.text : note.text;
}

NoteString NoteFromClipboardText(std::string_view text) {
  NoteString note;
  if (text.size() > 2 && text[0] == '\\') {
    if (text[1] == 'E') note.flags = static_cast<std::uint8_t>(EntryKind::Program);
    text.remove_prefix(2);
  }
  note.text = std::string(text);
  return note;
}

}  // namespace zelto
