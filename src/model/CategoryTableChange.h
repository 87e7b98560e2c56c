#pragma once
// A change to the category table made by one operation, recorded around it: begun on the
// table as it was, handed the operation's sort, finished on the table as it is. It keeps
// only what changed: the categories appended at the end, the name, flags, parent and state
// of the categories whose fields changed, the sort's reordering with the categories it
// purged, and `cutPending`. An operation appends before it sorts, as every one does.
#include <cstddef>
#include <optional>
#include <vector>

#include "model/CategoryReorder.h"
#include "model/DocumentChange.h"

namespace zelto {

class CategoryTableChange : public DocumentChange {
 public:
  // Notes what an operation may change: the count of categories, the state and parent of
  // each, and `cutPending`.
  explicit CategoryTableChange(const Document& doc);

  // Notes the name and flags of category `index` too, which the operation will change.
  void WatchName(const TabList& tabs, TabInx index);
  // Where the operation's SortCategories records what it did.
  CategoryReorder* SortRecord() { return &reorder_; }
  // Compares with the document as the operation left it and keeps what changed. False when
  // the operation changed nothing of the table nor `cutPending`.
  bool Finish(const Document& doc);

  void Undo(Document& doc) override;
  void Redo(Document& doc) override;
  std::size_t HeldBytes() const override;

 private:
  struct Fields {
    TabState state;
    TabInx parent;
  };
  struct FieldChange {
    std::size_t index;  // before the sort
    Fields before;
    Fields after;
  };
  struct NameChange {
    std::size_t index;  // before the sort
    NoteString before;
    NoteString after;
  };

  // Only while recording: the table as it was.
  std::size_t countBefore_;
  std::vector<Fields> fieldsBefore_;

  std::size_t appended_ = 0;
  std::vector<Tab> appendedTabs_;  // held while undone
  std::vector<FieldChange> fields_;
  std::optional<NameChange> name_;
  CategoryReorder reorder_;
  bool cutPendingBefore_;
  bool cutPendingAfter_ = false;
};

}  // namespace zelto
