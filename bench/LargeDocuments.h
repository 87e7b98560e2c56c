#pragma once
// The large documents the benchmarks work on, the same on every run: random category names
// in a tree five levels deep (20 at the top, five children under each further one), random
// notes with some two-line ones, everything in name order as every saved document is.
#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "model/Document.h"
#include "model/TextOrder.h"
#include "model/TreeOps.h"

namespace bench {

inline std::string RandomText(std::mt19937& rng, std::size_t minLen, std::size_t maxLen) {
  static constexpr char chars[] =
      "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 .,;:-+/()";
  std::uniform_int_distribution<std::size_t> length(minLen, maxLen);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof chars - 2);
  std::string text(length(rng), ' ');
  for (char& c : text) c = chars[pick(rng)];
  if (text.size() > 40 && rng() % 4 == 0) text.replace(20, 2, "\r\n");  // some two-line notes
  return text;
}

// `count` categories: 20 at the top, every further one under an earlier one (five each).
// Not yet in name order.
inline zelto::TabList MakeCategories(std::mt19937& rng, std::size_t count) {
  constexpr std::size_t TopLevelCount = 20;
  constexpr std::size_t FanOut = 5;
  zelto::TabList tabs;
  for (std::size_t i = 0; i < count; ++i) {
    const auto parent = i < TopLevelCount
                            ? zelto::NO_PARENT
                            : static_cast<zelto::TabInx>((i - TopLevelCount) / FanOut);
    zelto::AppendCategory(tabs, RandomText(rng, 5, 30), 0, parent);
  }
  return tabs;
}

struct DocumentShape {
  std::size_t categories;
  std::size_t notes;  // spread evenly over the categories
  std::size_t minNoteLength;
  std::size_t maxNoteLength;
};

// The core benchmark's document: 10,000 categories, 1,000,000 notes of 20 to 200 bytes
// (about 117 MB as a file).
inline constexpr DocumentShape CoreShape{10000, 1000000, 20, 200};
// 1,000 categories of 1,000 notes each, of 20 to 106 bytes (about 70 MB as a file).
inline constexpr DocumentShape ThousandByThousand{1000, 1000000, 20, 106};

inline zelto::Document MakeDocument(const DocumentShape& shape, unsigned seed) {
  std::mt19937 rng(seed);
  zelto::Document doc;
  doc.tabs = MakeCategories(rng, shape.categories);
  zelto::MemoryCategoryList list;
  zelto::SortCategories(doc, list);
  std::vector<zelto::NoteString> notes;
  for (std::size_t c = 0; c < shape.categories; ++c) {
    const std::size_t count = shape.notes / shape.categories + (c < shape.notes % shape.categories);
    notes.clear();
    for (std::size_t n = 0; n < count; ++n)
      notes.push_back({RandomText(rng, shape.minNoteLength, shape.maxNoteLength), 0});
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& a, const auto& b) { return zelto::TextLess(a.text, b.text); });
    for (zelto::NoteString& note : notes) doc.tabs[c].notes.Add(std::move(note));  // appends
  }
  doc.modified = false;
  return doc;
}

}  // namespace bench
