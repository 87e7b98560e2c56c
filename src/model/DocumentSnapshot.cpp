#include "model/DocumentSnapshot.h"

#include <algorithm>
#include <utility>

namespace zelto {

void DocumentSnapshot::Restart() {
  copy_.Clear();
  nextTab_ = 0;
  nextNote_ = 0;
}

bool DocumentSnapshot::Step(const TabList& tabs, const std::function<bool()>& timeUp) {
  while (nextTab_ < tabs.Count()) {
    const Tab& source = tabs[nextTab_];
    if (nextNote_ == 0 && source.notes.Count() <= NotesPerPart) {
      copy_.Append(source);
      ++nextTab_;
    } else {
      if (nextNote_ == 0) {
        Tab header(source.text, source.flags, source.parent);
        header.state = source.state;
        copy_.Append(std::move(header));
      }
      // The notes come in their order, so each one goes to the end of the list.
      NoteList& notes = copy_[copy_.Count() - 1].notes;
      const std::size_t end = std::min(source.notes.Count(), nextNote_ + NotesPerPart);
      for (; nextNote_ < end; ++nextNote_) notes.Add(source.notes[nextNote_]);
      if (nextNote_ == source.notes.Count()) {
        nextNote_ = 0;
        ++nextTab_;
      }
    }
    if (nextTab_ < tabs.Count() && timeUp()) return false;
  }
  return true;
}

TabList DocumentSnapshot::Take() {
  TabList taken = std::move(copy_);
  Restart();
  return taken;
}

}  // namespace zelto
