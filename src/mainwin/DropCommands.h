#pragma once
// Drops of the note window's lines onto a category: a note moves there (with Ctrl it is
// copied) as Paste puts a note into a category, and a subcategory becomes the target's
// child as Paste tree as child makes it. Each drop is one step of the history.
#include <cstddef>

#include "mainwin/EditingContext.h"
#include "view/LineDrag.h"

namespace zelto {

class DropCommands {
 public:
  explicit DropCommands(EditingContext& context) : c_(context) {}

  // The line `from` dropped on category `target`.
  void Drop(const DraggedLine& from, TabInx target, bool copy);
  // Note `note` of `category` dropped on `target`.
  void DropNote(TabInx category, std::size_t note, TabInx target, bool copy);
  // Category `moved` dropped on `target`; a refused drop says why and changes nothing.
  void DropCategory(TabInx moved, TabInx target);

 private:
  EditingContext& c_;
};

}  // namespace zelto
