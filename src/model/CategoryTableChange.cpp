#include "model/CategoryTableChange.h"

namespace zelto {

CategoryTableChange::CategoryTableChange(const Document& doc)
    : countBefore_(doc.tabs.Count()), cutPendingBefore_(doc.cutPending) {
  fieldsBefore_.reserve(countBefore_);
  for (const Tab& tab : doc.tabs) fieldsBefore_.push_back(Fields{tab.state, tab.parent});
}

void CategoryTableChange::WatchName(const TabList& tabs, TabInx index) {
  if (tabs.Valid(index)) name_ = NameChange{index, {tabs[index].text, tabs[index].flags}, {}};
}

bool CategoryTableChange::Finish(const Document& doc) {
  const TabList& tabs = doc.tabs;
  // The places the categories had before the sort (none: they kept them).
  const std::vector<std::size_t> order = reorder_.Order();
  const std::size_t count = reorder_.Recorded() ? reorder_.Count() : tabs.Count();
  std::vector<std::size_t> newIndex(count);
  for (std::size_t k = 0; k < count; ++k) newIndex[reorder_.Recorded() ? order[k] : k] = k;
  const auto tabBefore = [&](std::size_t i) -> const Tab& {
    return reorder_.Recorded() ? reorder_.At(tabs, newIndex[i]) : tabs[i];
  };
  const auto parentBefore = [&](TabInx parent) {
    return reorder_.Recorded() && parent != NO_PARENT && parent < count
               ? static_cast<TabInx>(order[parent])
               : parent;
  };

  appended_ = count > countBefore_ ? count - countBefore_ : 0;
  for (std::size_t i = 0; i < countBefore_ && i < count; ++i) {
    const Tab& tab = tabBefore(i);
    const Fields after{tab.state, parentBefore(tab.parent)};
    const Fields& before = fieldsBefore_[i];
    if (after.state != before.state || after.parent != before.parent)
      fields_.push_back(FieldChange{i, before, after});
  }
  fields_.shrink_to_fit();
  fieldsBefore_.clear();
  fieldsBefore_.shrink_to_fit();
  if (name_ && name_->index < count) {
    const Tab& tab = tabBefore(name_->index);
    name_->after = NoteString{tab.text, tab.flags};
    if (name_->after.text == name_->before.text && name_->after.flags == name_->before.flags)
      name_.reset();
  }
  cutPendingAfter_ = doc.cutPending;
  return appended_ > 0 || !fields_.empty() || name_ || reorder_.Moved() ||
         cutPendingAfter_ != cutPendingBefore_;
}

void CategoryTableChange::Undo(Document& doc) {
  TabList& tabs = doc.tabs;
  reorder_.Undo(tabs);
  for (const FieldChange& change : fields_) {
    tabs[change.index].state = change.before.state;
    tabs[change.index].parent = change.before.parent;
  }
  if (name_) {
    tabs[name_->index].text = name_->before.text;
    tabs[name_->index].flags = name_->before.flags;
  }
  for (std::size_t n = 0; n < appended_; ++n) {
    appendedTabs_.push_back(std::move(tabs[tabs.Count() - 1]));
    tabs.RemoveAt(tabs.Count() - 1);
  }
  doc.cutPending = cutPendingBefore_;
}

void CategoryTableChange::Redo(Document& doc) {
  TabList& tabs = doc.tabs;
  while (!appendedTabs_.empty()) {
    tabs.Append(std::move(appendedTabs_.back()));
    appendedTabs_.pop_back();
  }
  if (name_) {
    tabs[name_->index].text = name_->after.text;
    tabs[name_->index].flags = name_->after.flags;
  }
  for (const FieldChange& change : fields_) {
    tabs[change.index].state = change.after.state;
    tabs[change.index].parent = change.after.parent;
  }
  reorder_.Redo(tabs);
  doc.cutPending = cutPendingAfter_;
}

std::size_t CategoryTableChange::HeldBytes() const {
  std::size_t bytes = fields_.capacity() * sizeof(FieldChange) + reorder_.HeldBytes() +
                      appendedTabs_.capacity() * sizeof(Tab);
  for (const Tab& tab : appendedTabs_) bytes += HeldBytesOf(tab);
  if (name_) bytes += HeldBytesOf(name_->before) + HeldBytesOf(name_->after);
  return bytes;
}

}  // namespace zelto
