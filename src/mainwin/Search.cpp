#include "mainwin/Search.h"

#include "common/TextSearch.h"

namespace zelto {

std::optional<SearchHit> SearchNext(const Document& doc, SearchState& state) {
  const TabList& tabs = doc.tabs;
  const std::size_t n = tabs.Count();
  std::size_t g = 0;
  // The note to examine next is k + 1; k may lie beyond the notes of g after deletions.
  std::size_t next = 0;
  if (state.searchNote >= 0) {
    if (state.searchCategory >= 0 && static_cast<std::size_t>(state.searchCategory) < n)
      g = static_cast<std::size_t>(state.searchCategory);
    next = static_cast<std::size_t>(state.searchNote) + 1;
  }
  for (; g < n; ++g, next = 0) {
    const NoteList& notes = tabs[g].notes;
    for (std::size_t k = next; k < notes.Count(); ++k) {
      if (ContainsText(notes[k].text, state.searchText)) {
        state.searchCategory = static_cast<int>(g);
        state.searchNote = static_cast<int>(k);
        return SearchHit{g, k};
      }
    }
  }
  state.searchNote = -1;
  return std::nullopt;
}

std::optional<ShownRange> ShownMatch(std::string_view noteText, std::string_view searchText) {
  const std::size_t at = FindTextIgnoringCase(noteText, searchText);
  if (at == std::string_view::npos) return std::nullopt;
  // Each CR LF pair before the match, and one inside it, shows as a single character.
  const auto pairsIn = [&](std::size_t from, std::size_t to) {
    std::size_t pairs = 0;
    for (std::size_t i = from; i + 1 < to; ++i)
      if (noteText[i] == '\r' && noteText[i + 1] == '\n') ++pairs;
    return pairs;
  };
  const std::size_t end = at + searchText.size();
  return ShownRange{at - pairsIn(0, at), searchText.size() - pairsIn(at, end)};
}

}  // namespace zelto
