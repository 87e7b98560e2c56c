#include "mainwin/FindAll.h"

#include <gtest/gtest.h>

#include <random>

namespace zelto {
namespace {

// A random document: categories under random parents, some cut, notes of a few letters that
// often contain each other, in both cases and with line breaks.
Document RandomDocument(std::mt19937& rng) {
  Document doc;
  const std::size_t categories = rng() % 12;
  for (std::size_t c = 0; c < categories; ++c) {
    const TabInx parent = c == 0 || rng() % 3 == 0 ? NO_PARENT : static_cast<TabInx>(rng() % c);
    Tab tab("c" + std::to_string(c), 0, parent);
    if (rng() % 4 == 0) tab.state = TabState::Cut;
    const std::size_t notes = rng() % 9;
    for (std::size_t n = 0; n < notes; ++n) {
      std::string text;
      for (std::size_t i = rng() % 7; i > 0; --i) text += "aAb\r\n"[rng() % 5];
      tab.notes.Add(NoteString{text, 0});
    }
    doc.tabs.Append(std::move(tab));
  }
  return doc;
}

std::vector<SearchHit> EveryNext(const Document& doc, const std::string& text) {
  SearchState state;
  state.searchText = text;
  std::vector<SearchHit> hits;
  while (const auto hit = SearchNext(doc, state)) hits.push_back(*hit);
  return hits;
}

TEST(FindAllScan, ListsWhatRepeatedNextVisitsWhateverTheStepSize) {
  std::mt19937 rng(17);
  for (int round = 0; round < 300; ++round) {
    const Document doc = RandomDocument(rng);
    for (const std::string text : {"a", "AB", "b\r\na", "", "x"}) {
      FindAllScan scan(doc.tabs, text);
      const std::size_t budget = 1 + rng() % 5;
      while (!scan.Step(budget)) {
      }
      const std::vector<SearchHit> expected = EveryNext(doc, text);
      ASSERT_EQ(scan.Hits(), expected) << "round " << round << " text " << text;
      EXPECT_EQ(scan.Count(), expected.size());
    }
  }
}

TEST(FindAllScan, ListsTheFirstHitsUpToTheLimitAndCountsTheRest) {
  Document doc;
  Tab tab("only", 0, NO_PARENT);
  for (std::size_t i = 0; i < FindAllScan::ListLimit + 50; ++i)
    tab.notes.Add(NoteString{"note " + std::to_string(i), 0});
  doc.tabs.Append(std::move(tab));
  FindAllScan scan(doc.tabs, "NOTE");
  EXPECT_FALSE(scan.Step(10));
  EXPECT_EQ(scan.Count(), 10u);
  EXPECT_TRUE(scan.Step(static_cast<std::size_t>(-1)));
  EXPECT_EQ(scan.Hits().size(), FindAllScan::ListLimit);
  EXPECT_EQ(scan.Count(), FindAllScan::ListLimit + 50);
  EXPECT_EQ(scan.Hits().back().note, FindAllScan::ListLimit - 1);
}

TEST(MakeHitRow, ShowsTheNoteOnOneLineWithTheMatchFound) {
  TabList tabs;
  tabs.Append(Tab("Work", 0, NO_PARENT));
  tabs.Append(Tab("Old", 0, 0));
  tabs[1].state = TabState::Cut;
  tabs[0].notes.Add(NoteString{"call\r\nthe PHONE company", 0});
  tabs[1].notes.Add(NoteString{std::string(300, 'x') + "phone" + std::string(300, 'y'), 0});

  const HitRow first = MakeHitRow(tabs, {0, 0}, "phone");
  EXPECT_EQ(first.path, "/Work");
  EXPECT_FALSE(first.cut);
  EXPECT_EQ(first.excerpt, "call \xB6 the PHONE company");
  EXPECT_EQ(first.excerpt.substr(first.matchStart, first.matchLength), "PHONE");

  const HitRow cut = MakeHitRow(tabs, {1, 0}, "phone", 60);
  EXPECT_EQ(cut.path, "/Work/Old");
  EXPECT_TRUE(cut.cut);
  EXPECT_EQ(cut.excerpt.substr(cut.matchStart, cut.matchLength), "phone");
  EXPECT_EQ(cut.excerpt.substr(0, 3), "...");
  EXPECT_EQ(cut.excerpt.substr(cut.excerpt.size() - 3), "...");
  EXPECT_LE(cut.excerpt.size(), 66u);
}

}  // namespace
}  // namespace zelto
