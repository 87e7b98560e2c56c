#pragma once
// The note search: where it stands and the step to the next matching note.
#include <cstddef>
#include <optional>
#include <string>

#include "model/Document.h"

namespace zelto {

// The search position kept between Find and Next.
struct SearchState {
  std::string searchText;  // the text last confirmed in the search dialog
  int searchCategory = 0;  // category index of the last hit
  int searchNote = -1;     // note index of the last hit; -1: before the first note
};

struct SearchHit {
  std::size_t category;
  std::size_t note;
  bool operator==(const SearchHit&) const = default;
};

// Find starts again from the beginning of the document.
inline void RestartSearch(SearchState& state) { state.searchNote = -1; }

// Advances to the next note, after the last hit, whose text contains `searchText`
// (letter case ignored; an empty text is in every note). Categories are searched in
// index order, cut ones included, and each category's notes in list order. A hit is
// stored in `state` and returned; a miss sets `searchNote` to -1, so that the next call
// starts again at the beginning. A remembered category beyond the table counts as
// category 0.
std::optional<SearchHit> SearchNext(const Document& doc, SearchState& state);

}  // namespace zelto
