#pragma once
// A note as plain clipboard text and back. A program entry travels with the two
// characters "\E" in front of its text, so that pasting it makes a program entry again.
#include <string>
#include <string_view>

#include "model/Records.h"

namespace zelto {

// The clipboard text of a note: its text, with "\E" in front for a program entry.
std::string ClipboardTextOf(const NoteString& note);

// The note a pasted text becomes. A text longer than two characters that begins with a
// backslash loses its first two characters; when the second is a capital E the note is
// a program entry. Every other text becomes a text note as it stands.
NoteString NoteFromClipboardText(std::string_view text);

}  // namespace zelto
