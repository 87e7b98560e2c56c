#include "LargeDocument.h"

#include <algorithm>
#include <vector>

#include "model/TextOrder.h"
#include "model/TreeOps.h"

namespace zelto::bench {

namespace {

constexpr std::size_t TopLevelCount = 20;
constexpr std::size_t FanOut = 5;  // children per category below the top level
constexpr unsigned LargeDocumentSeed = 20261209;

}  // namespace

std::string RandomText(std::mt19937& rng, std::size_t minLen, std::size_t maxLen) {
  static constexpr char chars[] =
      "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 .,;:-+/()";
  std::uniform_int_distribution<std::size_t> length(minLen, maxLen);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof chars - 2);
  std::string text(length(rng), ' ');
  for (char& c : text) c = chars[pick(rng)];
  if (text.size() > 40 && rng() % 4 == 0) text.replace(20, 2, "\r\n");  // some two-line notes
  return text;
}

TabList MakeCategories(std::mt19937& rng, std::size_t count) {
  TabList tabs;
  for (std::size_t i = 0; i < count; ++i) {
    const TabInx parent =
        i < TopLevelCount ? NO_PARENT : static_cast<TabInx>((i - TopLevelCount) / FanOut);
    AppendCategory(tabs, RandomText(rng, 5, 30), 0, parent);
  }
  return tabs;
}

Document MakeDocument(const DocumentShape& shape, unsigned seed) {
  std::mt19937 rng(seed);
  Document doc;
  doc.tabs = MakeCategories(rng, shape.categories);
  MemoryCategoryList list;
  SortCategories(doc, list);
  std::vector<NoteString> notes;
  for (std::size_t c = 0; c < shape.categories; ++c) {
    const std::size_t count = shape.notes / shape.categories + (c < shape.notes % shape.categories);
    notes.clear();
    for (std::size_t n = 0; n < count; ++n)
      notes.push_back({RandomText(rng, shape.minNoteLength, shape.maxNoteLength), 0});
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& a, const auto& b) { return TextLess(a.text, b.text); });
    for (NoteString& note : notes) doc.tabs[c].notes.Add(std::move(note));  // appends
  }
  doc.modified = false;
  return doc;
}

Document MakeLargeDocument(std::size_t categories, std::size_t notes) {
  return MakeDocument({categories, notes, CoreShape.minNoteLength, CoreShape.maxNoteLength},
                      LargeDocumentSeed);
}

}  // namespace zelto::bench
