#pragma once
// Where the main window stands: the level of the tree the category list shows, the
// category selected there (the current category) and the note window's current line. An
// undo or redo takes the window back to where its change was made.
#include "model/CategoryList.h"
#include "model/TabList.h"

namespace zelto {

struct WindowPlace {
  TabInx level = NO_PARENT;           // the parent of the listed categories
  int selected = CategoryList::None;  // the selected category, or None
  int line = 0;                       // the note window's current line
  bool operator==(const WindowPlace&) const = default;
};

// The place shown by `list` with the note window on `line`.
WindowPlace PlaceOf(const TabList& tabs, const CategoryList& list, int line);

// Lists the level of `place` with its category selected. A selected category that the
// level does not list (a cut one that a search had shown) is listed with it.
void ListPlace(const TabList& tabs, const WindowPlace& place, CategoryList& list);

}  // namespace zelto
