#pragma once
// One change of the document, recorded so that it can be taken back and made again. Undo
// expects the document as the change left it and Redo the document as it was before it:
// changes are undone latest first and redone in the order they were made.
#include <cstddef>

#include "model/Document.h"

namespace zelto {

class DocumentChange {
 public:
  virtual ~DocumentChange() = default;
  virtual void Undo(Document& doc) = 0;
  virtual void Redo(Document& doc) = 0;
  // The memory this record holds besides its own object: the notes and categories it
  // keeps while they are out of the document, and its bookkeeping.
  virtual std::size_t HeldBytes() const = 0;
};

// The memory a note holds besides its own object (a text too long to live inside it).
std::size_t HeldBytesOf(const NoteString& note);
// The memory a category holds besides its own object: its name and its notes.
std::size_t HeldBytesOf(const Tab& tab);

}  // namespace zelto
