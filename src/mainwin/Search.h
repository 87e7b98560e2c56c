#pragma once
// The note search: where it stands and the step to the next matching note.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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

// Where a scan of the notes goes on: note `note` of category `category` is examined next.
// A note index beyond the category's notes moves on to the next category.
struct SearchPosition {
  std::size_t category = 0;
  std::size_t note = 0;
};

// One piece of a scan: a hit, the end of the document, or a pause after the examined budget.
struct ScanStep {
  enum class Kind { Hit, End, Paused };
  Kind kind;
  SearchPosition at;     // Hit: the note found; Paused: where the scan goes on
  std::size_t examined;  // notes examined, the hit included
};

// Examines the notes from `from` on in search order (categories in index order, cut ones
// included, each category's notes in list order) for one whose text contains `text`,
// letters compared without regard to case; an empty text is in every note. At most `budget`
// notes are examined before the scan pauses. Find, Next and Find all all search with this.
ScanStep ScanNotes(const TabList& tabs, std::string_view text, SearchPosition from,
                   std::size_t budget = static_cast<std::size_t>(-1));

// Find starts again from the beginning of the document.
inline void RestartSearch(SearchState& state) { state.searchNote = -1; }

// Advances to the next note, after the last hit, whose text contains `searchText`
// (letter case ignored; an empty text is in every note). Categories are searched in
// index order, cut ones included, and each category's notes in list order. A hit is
// stored in `state` and returned; a miss sets `searchNote` to -1, so that the next call
// starts again at the beginning. A remembered category beyond the table counts as
// category 0.
std::optional<SearchHit> SearchNext(const Document& doc, SearchState& state);

// Where `searchText` first stands in a note's text, counted as the entry detail window shows
// the text: a CR LF pair is one line break there. Nothing when it does not occur.
struct ShownRange {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const ShownRange&) const = default;
};
std::optional<ShownRange> ShownMatch(std::string_view noteText, std::string_view searchText);

}  // namespace zelto
