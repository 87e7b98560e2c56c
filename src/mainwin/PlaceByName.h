#pragma once
// Where the main window stands, by the names of what it shows: the level of the tree in the
// category list, the category selected there and the note window's current line. A document
// loaded again numbers its categories anew, so the window finds its place again by names.
#include <string>
#include <vector>

#include "mainwin/LineTarget.h"
#include "model/CategoryList.h"
#include "model/TabList.h"

namespace zelto {

struct PlaceByName {
  std::vector<std::string> level;  // the names down to the listed level's parent; empty: the top
  bool hasSelection = false;
  std::string selected;  // the selected category's name
  LineTarget::Kind lineKind = LineTarget::Kind::Nothing;
  std::string lineText;  // the note's text or the subcategory's name on that line
  int line = 0;
};

// The place shown by `list` with the note window on `line`.
PlaceByName RememberPlace(const TabList& tabs, const CategoryList& list, int line);

// Lists the remembered level, or its deepest part that still exists, with the remembered
// category selected when it is still there (else the selection stays as `list` has it when
// the level is the one it shows, or goes to the level's first category). Returns the line to
// make current: the line of the same note or subcategory, else the same line within the
// lines of the shown category.
int ReturnToPlace(const TabList& tabs, const PlaceByName& place, CategoryList& list);

}  // namespace zelto
