#pragma once
// What the main window's popup menu offers for a given state, and the enabling rules that
// the menu bar shares with it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/TabList.h"
#include "view/NoteLines.h"

namespace zelto {

struct MenuItem {
  int id = 0;
  std::string text;  // Windows-1252 bytes, names as stored
  bool enabled = true;

  bool operator==(const MenuItem&) const = default;
};

// The state the popup menu and the note commands' enablers depend on.
struct ContextMenuState {
  std::optional<TabInx> currentCategory;  // the category list's selection; none when empty
  LineKind lineKind = LineKind::EndLine;  // kind of the note window's current line
  bool upArrowLine = false;               // the current line is the up-arrow line
  std::optional<TabInx> lineCategory;     // category of the current line, if a category line
  bool fromNoteWindow = false;            // the click came from the note window
  bool clipboardHasText = false;
  bool cutPending = false;
  std::string defaultCat;  // the DefaultCat setting
  // The entry actions for the current note (Run, the web link, phone numbers), in menu
  // order. They are offered last and only for a note line clicked in the note window.
  std::vector<MenuItem> noteActions;
};

// Fills in the note window's part of `state`: the kind of its current line, whether that is
// the up-arrow line, and the category on it. `selectedCategory` is the list's selection.
void DescribeCurrentLine(const NoteLines& lines, const TabList& tabs, int selectedCategory,
                         ContextMenuState& state);

// Whether a command that depends on the current line, the current category or the
// clipboard is enabled (Delete Category, Delete Subcategory, Delete Note, Edit Subcategory,
// Edit Note, Paste, and the commands that need a current category); true for the others.
bool NoteCommandEnabled(int id, const TabList& tabs, const ContextMenuState& state);

// The popup menu's items, in order.
std::vector<MenuItem> ComposeContextMenu(const TabList& tabs, const ContextMenuState& state);

}  // namespace zelto
