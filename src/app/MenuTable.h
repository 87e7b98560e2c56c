#pragma once
// The frame's menu bar, tool bar and accelerator table as data: the frame builds its
// widgets from these tables and nowhere else.
#include <span>
#include <string_view>

namespace zelto {

struct MenuEntry {
  enum class Kind { Popup, Item, Separator, End };
  Kind kind;
  const char* text = nullptr;  // Popup and Item: the text with its '&' and "\t" key text
  int id = 0;                  // Item: the command id
  const char* hint = nullptr;  // Item: the status-bar hint, or nullptr for none
};

// The menu bar, depth first: each Popup is followed by its entries and closed by an End.
std::span<const MenuEntry> MainMenuTable();

// The status-bar hint of a command (also shown for its tool-bar button), or empty.
std::string_view CommandHint(int id);

struct ToolButton {
  int id;            // command id; 0 marks a separator
  const char* name;  // short name shown as the button's tool tip
};
// The tool-bar buttons, left to right.
std::span<const ToolButton> ToolBarTable();

struct Accelerator {
  const char* keys;  // portable key text ("Shift+Del")
  int id;
};
// Accelerator table 100.
std::span<const Accelerator> AcceleratorTable();

// The keys every desktop program has (Ctrl+N, Ctrl+O, ...), carried by the menu items of
// their commands; a command may have several.
std::span<const Accelerator> DesktopKeyTable();

}  // namespace zelto
