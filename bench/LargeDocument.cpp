#include "LargeDocument.h"

#include "model/TreeOps.h"

namespace zelto::bench {

namespace {

constexpr std::size_t TopLevelCount = 20;
constexpr std::size_t FanOut = 5;  // children per category below the top level

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

Document MakeLargeDocument(std::size_t categories, std::size_t notes) {
  std::mt19937 rng(20261209);
  Document doc;
  doc.tabs = MakeCategories(rng, categories);
  MemoryCategoryList list;
  SortCategories(doc, list);
  for (std::size_t n = 0; n < notes; ++n)
    doc.tabs[n % categories].notes.Add(NoteString{RandomText(rng, 20, 200), 0});
  doc.modified = false;
  return doc;
}

}  // namespace zelto::bench
