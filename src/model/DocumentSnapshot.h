#pragma once
// A copy of a document's categories and notes taken a little at a time, so that copying a
// large document never holds up the thread that owns it for long. Between two steps that
// thread goes on with its own work; the copy is sound only when the document did not change
// in between, and the owner starts again when it did.
#include <cstddef>
#include <functional>

#include "model/TabList.h"

namespace zelto {

class DocumentSnapshot {
 public:
  // A category with more notes than this is copied in parts of this many notes.
  static constexpr std::size_t NotesPerPart = 1024;

  // Drops what was copied so far; the next step begins with the first category.
  void Restart();
  // Copies on from `tabs` (the same document as at the last step) until `timeUp` says to stop
  // (asked after each category or part) or the copy is complete. True when it is complete.
  bool Step(const TabList& tabs, const std::function<bool()>& timeUp);
  // The complete copy; the snapshot is empty afterwards.
  TabList Take();

 private:
  TabList copy_;
  std::size_t nextTab_ = 0;
  std::size_t nextNote_ = 0;  // within a category copied in parts
};

}  // namespace zelto
