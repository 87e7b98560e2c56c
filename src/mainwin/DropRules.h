#pragma once
// Which drops of the note window's lines onto a category are carried out. A dropped note
// goes into the target category as Paste puts it there; a dropped category becomes the
// target's child as Paste tree as child makes it.
#include <cstddef>
#include <string_view>

#include "model/TabList.h"

namespace zelto {

inline constexpr std::string_view DefaultCategoryStaysMessage =
    "The default category stays at the top level.";

// A note of category `from` dropped on `target`: whether it changes anything (another
// live category).
bool NoteDropChanges(const TabList& tabs, std::size_t from, std::size_t target);

enum class CategoryDrop {
  Move,             // it becomes the target's child
  Unchanged,        // dropped on its own parent: nothing to do
  InsideItself,     // "A category cannot be pasted inside itself."
  NameTaken,        // the target has a child of that name: "Category already in list!"
  DefaultCategory,  // the top-level default category is not moved
  NoCategory,       // either side is no live category
};

// Category `moved` dropped on category `target`; `defaultCat` is the DefaultCat setting.
CategoryDrop CheckCategoryDrop(const TabList& tabs, std::size_t moved, std::size_t target,
                               std::string_view defaultCat);

}  // namespace zelto
