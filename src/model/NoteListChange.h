#pragma once
// A change to the notes of one category, recorded as the inserts and removals that made it,
// in order. Each keeps its note only while that note is out of the document (a removed note
// until undo puts it back, an inserted one while undo has taken it out), so every note is
// held once: in the document or here.
#include <cstddef>
#include <vector>

#include "model/DocumentChange.h"
#include "model/Records.h"
#include "model/TabList.h"

namespace zelto {

class NoteListChange : public DocumentChange {
 public:
  explicit NoteListChange(TabInx category) : category_(category) {}

  // Inserts `note` into the category at its sorted place (after its equals) and records
  // it; returns the note's index.
  std::size_t Insert(TabList& tabs, NoteString note);
  // Removes note `index` of the category and records it.
  void Remove(TabList& tabs, std::size_t index);

  TabInx Category() const { return category_; }
  bool Empty() const { return edits_.empty(); }

  void Undo(Document& doc) override;
  void Redo(Document& doc) override;
  std::size_t HeldBytes() const override;

 private:
  struct Edit {
    bool inserted;
    std::size_t index;  // where the note went in, or where it was taken out
    NoteString note;    // held while the note is out of the document
  };
  TabInx category_;
  std::vector<Edit> edits_;
};

}  // namespace zelto
