#pragma once
// Activating a line of the note window: a subcategory line goes down into it, the up-arrow
// line goes up one level, a note line is handed on to be run, opened or edited.
#include "model/CategoryList.h"
#include "model/TabList.h"
#include "view/NoteLines.h"

namespace zelto {

// Loads the categories whose parent is `parent` into `list` (each with its index as item
// data, in TabList order) and selects the one whose index is `select`; without it in the
// level the list is left with no selection. Cut categories are not listed: they are out of
// the tree until pasted.
void FillCategoryList(const TabList& tabs, TabInx parent, int select, CategoryList& list);

struct LineActivation {
  enum class Kind { Nothing, WentDown, WentUp, Note };
  Kind kind = Kind::Nothing;
  TabInx category = NO_PARENT;  // the category now selected, or the note's category
  int note = 0;                 // with Kind::Note: the note's index in its category
};

// Activates `line` by the category lines of the last update. Category lines change the
// category list (the window then shows the new selection); a note line is only reported.
// `selectedCategory` is the list's selection (-1 for none) before the call.
LineActivation ActivateLine(const TabList& tabs, const NoteLines& lines, int line,
                            int selectedCategory, CategoryList& list);

}  // namespace zelto
