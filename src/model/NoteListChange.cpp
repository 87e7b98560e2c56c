#include "model/NoteListChange.h"

namespace zelto {

std::size_t NoteListChange::Insert(TabList& tabs, NoteString note) {
  const std::size_t index = tabs[category_].notes.Add(std::move(note));
  edits_.push_back(Edit{true, index, {}});
  return index;
}

void NoteListChange::Remove(TabList& tabs, std::size_t index) {
  edits_.push_back(Edit{false, index, tabs[category_].notes.Take(index)});
}

void NoteListChange::Undo(Document& doc) {
  NoteList& notes = doc.tabs[category_].notes;
  for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) {
    if (it->inserted)
      it->note = notes.Take(it->index);
    else
      notes.InsertAt(it->index, std::move(it->note));
  }
}

void NoteListChange::Redo(Document& doc) {
  NoteList& notes = doc.tabs[category_].notes;
  for (Edit& edit : edits_) {
    if (edit.inserted)
      notes.InsertAt(edit.index, std::move(edit.note));
    else
      edit.note = notes.Take(edit.index);
  }
}

std::size_t NoteListChange::HeldBytes() const {
  std::size_t bytes = edits_.capacity() * sizeof(Edit);
  for (const Edit& edit : edits_) bytes += HeldBytesOf(edit.note);
  return bytes;
}

}  // namespace zelto
