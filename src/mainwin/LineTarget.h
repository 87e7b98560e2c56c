#pragma once
// What a line of the note window stands for, worked out from the document itself, so that
// a command acts on the line the user sees even right after the document changed.
#include <cstddef>

#include "model/Records.h"
#include "model/TabList.h"

namespace zelto {

struct LineTarget {
  enum class Kind {
    Nothing,      // no category is shown, or the line lies past the end line
    UpArrow,      // line 0 of a category that has a parent; `category` is that parent
    Subcategory,  // a child category line; `category` is the child
    Note,         // a note line; `category` holds note `note`
    End,          // the end line after the last note
  };
  Kind kind = Kind::Nothing;
  TabInx category = NO_PARENT;
  std::size_t note = 0;

  bool IsCategoryLine() const { return kind == Kind::UpArrow || kind == Kind::Subcategory; }
  bool IsNoteLine() const { return kind == Kind::Note; }
};

// Line `line` of the note window while it shows category `shown` (-1 or an index that is
// no category: nothing is shown).
LineTarget TargetOfLine(const TabList& tabs, int shown, int line);

}  // namespace zelto
