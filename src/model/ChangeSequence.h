#pragma once
// Several changes made by one operation, taken back and made again as one: undone latest
// first, redone in the order they were made.
#include <memory>
#include <vector>

#include "model/DocumentChange.h"

namespace zelto {

class ChangeSequence : public DocumentChange {
 public:
  void Add(std::unique_ptr<DocumentChange> change) { changes_.push_back(std::move(change)); }

  void Undo(Document& doc) override;
  void Redo(Document& doc) override;
  std::size_t HeldBytes() const override;

 private:
  std::vector<std::unique_ptr<DocumentChange>> changes_;
};

}  // namespace zelto
