#pragma once
// What the main window does with a key or a character that the note window passes on.
#include "view/NoteKeyMovement.h"
#include "view/NoteLines.h"

namespace zelto {

// The keys the main window reacts to; every other key is Other.
enum class MainKey { Enter, PageUp, PageDown, Home, End, Up, Down, Delete, D, E, L, F1, Other };

struct KeyAction {
  enum class Kind {
    None,
    ActivateLine,  // activate the current line
    MoveLine,      // move the note window's current line by `move`
    MoveCategory,  // move the category list's selection by `move`
    Command,       // carry out command `command`
    OpenLink,      // open the web link of the current note
    Help,          // the help at context 1
    FontList,      // show the names of the screen fonts
  };
  Kind kind = Kind::None;
  NoteKey move = NoteKey::Down;
  int command = 0;
  bool operator==(const KeyAction&) const = default;
};

// A key pressed (with Shift or not) while the note window's current line is of `line` kind.
KeyAction ActionForKey(MainKey key, bool shift, LineKind line);

// A typed character (control characters included: Ctrl+C is 3).
KeyAction ActionForCharacter(char32_t c, LineKind line);

}  // namespace zelto
