#include "model/ChangeSequence.h"

namespace zelto {

void ChangeSequence::Undo(Document& doc) {
  for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) (*it)->Undo(doc);
}

void ChangeSequence::Redo(Document& doc) {
  for (const auto& change : changes_) change->Redo(doc);
}

std::size_t ChangeSequence::HeldBytes() const {
  std::size_t bytes = changes_.capacity() * sizeof(changes_.front());
  for (const auto& change : changes_) bytes += change->HeldBytes();
  return bytes;
}

}  // namespace zelto
