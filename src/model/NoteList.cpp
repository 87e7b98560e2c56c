#include "model/NoteList.h"

#include <algorithm>

#include "model/Records.h"
#include "model/TextOrder.h"

namespace zelto {

std::size_t NoteList::InsertPosition(const std::string& text) const {
  // Upper bound: appending notes that arrive in order costs one comparison each.
  if (items_.empty() || CompareText(items_.back().text, text) <= 0) return items_.size();
  auto it = std::upper_bound(
      items_.begin(), items_.end(), text,
      [](const std::string& t, const NoteString& n) { return CompareText(t, n.text) < 0; });
  return static_cast<std::size_t>(it - items_.begin());
}

std::size_t NoteList::Add(const NoteString& note) { return Add(NoteString(note)); }

std::size_t NoteList::Add(NoteString&& note) {
  const std::size_t pos = InsertPosition(note.text);
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(note));
  return pos;
}

void NoteList::Assign(std::vector<NoteString> notes) {
  const auto byText = [](const NoteString& a, const NoteString& b) {
    return CompareText(a.text, b.text) < 0;
  };
  if (!std::is_sorted(notes.begin(), notes.end(), byText))
    std::stable_sort(notes.begin(), notes.end(), byText);
  items_ = std::move(notes);
}

void NoteList::RemoveAt(std::size_t index) {
  if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void NoteList::InsertAt(std::size_t index, NoteString&& note) {
  index = std::min(index, items_.size());
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(note));
}

NoteString NoteList::Take(std::size_t index) {
  NoteString note = std::move(items_.at(index));
  RemoveAt(index);
  return note;
}

}  // namespace zelto
