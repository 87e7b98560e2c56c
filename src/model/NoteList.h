#pragma once
// A category's notes, kept in text order; equal texts keep the order in which they came.
#include <cstddef>
#include <string>
#include <vector>

#include "model/NoteString.h"

namespace zelto {

class NoteList {
 public:
  // Inserts a copy after every entry whose text compares equal; returns its index.
  std::size_t Add(const NoteString& note);
  std::size_t Add(NoteString&& note);
  void RemoveAt(std::size_t index);
  // Makes room for `count` entries in all.
  void Reserve(std::size_t count) { items_.reserve(count); }
  // Replaces the entries by `notes`, put into text order; equal texts keep their order, as
  // adding them one by one would keep it.
  void Assign(std::vector<NoteString> notes);
  // Puts a note at exactly `index` (at most Count()), where undo puts one back: among equal
  // texts a sorted insert would not find its old place.
  void InsertAt(std::size_t index, NoteString&& note);
  // Removes note `index` and hands it over.
  NoteString Take(std::size_t index);
  void Clear() { items_.clear(); }

  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  std::size_t Capacity() const { return items_.capacity(); }
  const NoteString& operator[](std::size_t i) const { return items_[i]; }
  NoteString& operator[](std::size_t i) { return items_[i]; }

  // The position a note of this text would take (after its equals).
  std::size_t InsertPosition(const std::string& text) const;

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<NoteString> items_;
};

}  // namespace zelto
