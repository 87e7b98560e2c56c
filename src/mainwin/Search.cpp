#include "mainwin/Search.h"

#include "common/TextSearch.h"

namespace zelto {

ScanStep ScanNotes(const TabList& tabs, std::string_view text, SearchPosition from,
                   std::size_t budget) {
  std::size_t examined = 0;
  std::size_t k = from.note;
  for (std::size_t g = from.category; g < tabs.Count(); ++g, k = 0) {
    const NoteList& notes = tabs[g].notes;
    for (; k < notes.Count(); ++k) {
      if (examined == budget) return {ScanStep::Kind::Paused, {g, k}, examined};
      ++examined;
      if (ContainsText(notes[k].text, text)) return {ScanStep::Kind::Hit, {g, k}, examined};
    }
  }
  return {ScanStep::Kind::End, {tabs.Count(), 0}, examined};
}

std::optional<SearchHit> SearchNext(const Document& doc, SearchState& state) {
  const std::size_t n = doc.tabs.Count();
  // The note to examine next is the one after the last hit; it may lie beyond the notes of
  // its category after deletions.
  SearchPosition from;
  if (state.searchNote >= 0) {
    if (state.searchCategory >= 0 && static_cast<std::size_t>(state.searchCategory) < n)
      from.category = static_cast<std::size_t>(state.searchCategory);
    from.note = static_cast<std::size_t>(state.searchNote) + 1;
  }
  const ScanStep step = ScanNotes(doc.tabs, state.searchText, from);
  if (step.kind != ScanStep::Kind::Hit) {
    state.searchNote = -1;
    return std::nullopt;
  }
  state.searchCategory = static_cast<int>(step.at.category);
  state.searchNote = static_cast<int>(step.at.note);
  return SearchHit{step.at.category, step.at.note};
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
