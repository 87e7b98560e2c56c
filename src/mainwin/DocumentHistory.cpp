#include "mainwin/DocumentHistory.h"

#include <QUndoCommand>

namespace zelto {

// One step: a recorded change and the window's places around it.
class DocumentStep : public QUndoCommand {
 public:
  DocumentStep(DocumentHistory& history, const QString& name,
               std::unique_ptr<DocumentChange> change, const WindowPlace& before,
               const WindowPlace& after)
      : QUndoCommand(name),
        history_(history),
        change_(std::move(change)),
        before_(before),
        after_(after) {}

  void undo() override {
    change_->Undo(history_.doc_);
    history_.ShowPlace(before_);
  }
  void redo() override {
    // The command has made the change already when it is pushed.
    if (pushed_) {
      pushed_ = false;
      return;
    }
    change_->Redo(history_.doc_);
    history_.ShowPlace(after_);
  }
  const DocumentChange& Change() const { return *change_; }

 private:
  DocumentHistory& history_;
  std::unique_ptr<DocumentChange> change_;
  WindowPlace before_;
  WindowPlace after_;
  bool pushed_ = true;
};

DocumentHistory::DocumentHistory(Document& doc, QObject* parent)
    : QObject(parent), doc_(doc), stack_(this) {
  connect(&stack_, &QUndoStack::indexChanged, this, &DocumentHistory::FollowStack);
  connect(&stack_, &QUndoStack::cleanChanged, this, &DocumentHistory::FollowStack);
}

void DocumentHistory::SetLimit(int steps) {
  stack_.clear();
  stack_.setUndoLimit(steps);
}

void DocumentHistory::Push(const QString& name, std::unique_ptr<DocumentChange> change,
                           const WindowPlace& before, const WindowPlace& after) {
  stack_.push(new DocumentStep(*this, name, std::move(change), before, after));
}

void DocumentHistory::MarkSaved() {
  cleanStateModified_ = false;
  stack_.setClean();
  FollowStack();
}

void DocumentHistory::Restart() {
  cleanStateModified_ = doc_.modified;
  stack_.clear();
  FollowStack();
}

void DocumentHistory::FollowStack() {
  // Assigned on every move of the stack, so that each undo and redo counts as a change for
  // whoever watches the document's revisions.
  const bool wasModified = doc_.modified;
  doc_.modified = cleanStateModified_ || !stack_.isClean();
  if (wasModified && !doc_.modified) emit BackAtSavedState();
}

std::size_t DocumentHistory::HeldBytes() const {
  std::size_t bytes = 0;
  for (int i = 0; i < stack_.count(); ++i) {
    if (const auto* step = dynamic_cast<const DocumentStep*>(stack_.command(i)))
      bytes += step->Change().HeldBytes();
  }
  return bytes;
}

}  // namespace zelto
