#include "mainwin/Search.h"

#include <gtest/gtest.h>

#include "common/TextSearch.h"

namespace zelto {
namespace {

// Builds a document from categories given as (name, parent, state, notes).
struct CategoryData {
  std::string name;
  TabInx parent;
  TabState state;
  std::vector<std::string> notes;
};

Document MakeDocument(const std::vector<CategoryData>& categories) {
  Document doc;
  for (const CategoryData& s : categories) {
    Tab tab(s.name, 0, s.parent);
    tab.state = s.state;
    for (const std::string& n : s.notes) tab.notes.Add(NoteString{n, 0});
    doc.tabs.Append(std::move(tab));
  }
  return doc;
}

std::optional<SearchHit> Find(const Document& doc, SearchState& state, const std::string& text) {
  state.searchText = text;
  RestartSearch(state);
  return SearchNext(doc, state);
}

TEST(FindTextIgnoringCase, FoldsAsciiLettersOnly) {
  EXPECT_EQ(FindTextIgnoringCase("call phone company", "PHONE"), 5u);
  EXPECT_EQ(FindTextIgnoringCase("abcabc", "ABC", 1), 3u);
  EXPECT_EQ(FindTextIgnoringCase("abc", "", 3), 3u);
  EXPECT_EQ(FindTextIgnoringCase("abc", "x", 4), std::string_view::npos);
  EXPECT_EQ(FindTextIgnoringCase("caf\xE9", "CAF\xC9"), std::string_view::npos);
  EXPECT_EQ(FindTextIgnoringCase("a[b", "A{B"), std::string_view::npos);
}

TEST(ShownMatch, CountsALineBreakAsOneCharacter) {
  EXPECT_EQ(ShownMatch("call phone company", "PHONE"), (ShownRange{5, 5}));
  EXPECT_EQ(ShownMatch("one\r\ntwo\r\nthree", "Three"), (ShownRange{8, 5}));
  EXPECT_EQ(ShownMatch("a\nb\rc", "c"), (ShownRange{4, 1}));  // lone breaks are one already
  EXPECT_EQ(ShownMatch("abc", ""), (ShownRange{0, 0}));
  EXPECT_EQ(ShownMatch("abc", "x"), std::nullopt);
}

TEST(SearchNext, OrderWrapAndNamesAreNotHits) {
  const Document doc = MakeDocument({
      {"Phone book", NO_PARENT, TabState::Normal, {"nothing", "phone Ann", "phone Bob"}},
      {"Empty", NO_PARENT, TabState::Normal, {}},
      {"Work", NO_PARENT, TabState::Normal, {"call phone company"}},
  });
  SearchState state;
  EXPECT_EQ(Find(doc, state, "PHONE"), (SearchHit{0, 1}));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{0, 2}));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{2, 0}));
  EXPECT_FALSE(SearchNext(doc, state));
  EXPECT_EQ(state.searchNote, -1);
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{0, 1}));  // wrapped after the miss
  // The category name "Phone book" alone is no hit.
  EXPECT_FALSE(Find(doc, state, "book"));
}

TEST(SearchNext, TwoHitsInOneCategory) {
  const Document doc = MakeDocument({{"A", NO_PARENT, TabState::Normal, {"x1", "x2", "y"}}});
  SearchState state;
  EXPECT_EQ(Find(doc, state, "x"), (SearchHit{0, 0}));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{0, 1}));
  EXPECT_FALSE(SearchNext(doc, state));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{0, 0}));
}

TEST(SearchNext, CutCategoriesAndTheirChildrenAreSearched) {
  const Document doc = MakeDocument({
      {"Home", NO_PARENT, TabState::Normal, {"milk"}},
      {"Child of cut", 2, TabState::Normal, {"secret two"}},
      {"Cut", NO_PARENT, TabState::Cut, {"secret one"}},
  });
  SearchState state;
  EXPECT_EQ(Find(doc, state, "secret"), (SearchHit{1, 0}));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{2, 0}));
}

TEST(SearchNext, EmptyTextAndEmptyDocuments) {
  const Document doc = MakeDocument({
      {"A", NO_PARENT, TabState::Normal, {}},
      {"B", NO_PARENT, TabState::Normal, {"b1", "b2"}},
      {"C", 1, TabState::Normal, {"c1"}},
  });
  SearchState state;
  EXPECT_EQ(Find(doc, state, ""), (SearchHit{1, 0}));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{1, 1}));
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{2, 0}));
  EXPECT_FALSE(SearchNext(doc, state));

  const Document noNotes = MakeDocument({{"A", NO_PARENT, TabState::Normal, {}}});
  EXPECT_FALSE(Find(noNotes, state, ""));
  EXPECT_FALSE(SearchNext(noNotes, state));
  const Document nothing;
  EXPECT_FALSE(Find(nothing, state, "x"));
  state.searchCategory = 5;
  state.searchNote = 3;
  EXPECT_FALSE(SearchNext(nothing, state));
}

TEST(SearchNext, RememberedPositionBeyondTheTable) {
  const Document doc = MakeDocument({
      {"A", NO_PARENT, TabState::Normal, {"hit 0", "hit 1", "hit 2"}},
      {"B", NO_PARENT, TabState::Normal, {"hit b"}},
  });
  SearchState state;
  state.searchText = "hit";
  state.searchCategory = 7;  // categories were deleted since the last hit
  state.searchNote = 1;
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{0, 2}));
  // A remembered note beyond its category's notes goes on with the next category.
  state.searchCategory = 0;
  state.searchNote = 10;
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{1, 0}));
  state.searchCategory = -3;
  state.searchNote = 0;
  EXPECT_EQ(SearchNext(doc, state), (SearchHit{0, 1}));
}

}  // namespace
}  // namespace zelto
