#include "model/DocumentChange.h"

#include <string>

namespace zelto {

std::size_t HeldBytesOf(const NoteString& note) {
  // A short text lives inside the string object itself.
  const std::size_t inside = std::string().capacity();
  return note.text.capacity() > inside ? note.text.capacity() + 1 : 0;
}

std::size_t HeldBytesOf(const Tab& tab) {
  std::size_t bytes = HeldBytesOf(static_cast<const NoteString&>(tab));
  bytes += tab.notes.Capacity() * sizeof(NoteString);
  for (const NoteString& note : tab.notes) bytes += HeldBytesOf(note);
  return bytes;
}

}  // namespace zelto
