#pragma once
// The history of the document: every change that a command makes is one step on a
// QUndoStack, which undoes and redoes the steps in order, names them for the Edit menu,
// knows which step the saved file holds and drops the oldest steps beyond its limit (the
// UndoSteps setting). `modified` follows it: back at the saved state, the document counts
// as unchanged.
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "mainwin/WindowPlace.h"
#include "model/Document.h"
#include "model/DocumentChange.h"

namespace zelto {

class DocumentHistory : public QObject {
  Q_OBJECT

 public:
  explicit DocumentHistory(Document& doc, QObject* parent = nullptr);

  QUndoStack& Stack() { return stack_; }
  // Keeps at most `steps` steps, dropping the oldest; the history starts again empty.
  void SetLimit(int steps);
  // How the window is taken to the place of a step that is undone or redone.
  void SetPlaceShower(std::function<void(const WindowPlace&)> show) { show_ = std::move(show); }

  // Adds a change that a command has just made as the step `name` ("Delete Note"). `before`
  // and `after` are where the window stood before the change and stands after it.
  void Push(const QString& name, std::unique_ptr<DocumentChange> change, const WindowPlace& before,
            const WindowPlace& after);
  void Undo() { stack_.undo(); }
  void Redo() { stack_.redo(); }
  bool CanUndo() const { return stack_.canUndo(); }
  bool CanRedo() const { return stack_.canRedo(); }

  // The document as it stands now is the saved file.
  void MarkSaved();
  // Another document is shown (loaded or new): there is nothing to undo, and it counts as
  // changed exactly when `modified` says so now (a load that had to add the default
  // category; New after changes that were not saved).
  void Restart();

  // The memory the steps' records hold.
  std::size_t HeldBytes() const;

 signals:
  // Undo or redo has brought the document back to what its file holds.
  void BackAtSavedState();

 private:
  friend class DocumentStep;
  void ShowPlace(const WindowPlace& place) const {
    if (show_) show_(place);
  }
  // `modified` as the stack's position says.
  void FollowStack();

  Document& doc_;
  QUndoStack stack_;
  // The state where the stack is clean differs from the file nonetheless.
  bool cleanStateModified_ = false;
  std::function<void(const WindowPlace&)> show_;
};

}  // namespace zelto
