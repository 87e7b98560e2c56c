#pragma once
// What SortCategories did to the category table: where every category went, and the
// Deleted categories it purged, kept with their notes. Enough to put the table back as it
// was before the sort and to sort it again without comparing a single name. The places are
// kept as runs of categories that stayed together, so a sort that moved little costs
// little.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Records.h"
#include "model/TabList.h"

namespace zelto {

class CategoryReorder {
 public:
  // Adds one sort. `order[k]` is the index, before this sort, of the category that now
  // stands at place k; the last `purged.size()` places are those of the purged categories,
  // which `purged` holds in that order (their parents already numbered as after the sort).
  // A second sort is composed with the first, as one reordering of the table as it was
  // before both.
  void Add(const std::vector<std::size_t>& order, std::vector<Tab> purged);

  // Whether a sort was recorded.
  bool Recorded() const { return count_ > 0; }
  // Whether it moved or purged any category.
  bool Moved() const;
  // The number of categories before the sorts.
  std::size_t Count() const { return count_; }
  // For every place after the sorts, the index before them (the purged places last).
  std::vector<std::size_t> Order() const;
  // The category at place `k` after the sorts: in `tabs` or among the purged ones.
  const Tab& At(const TabList& tabs, std::size_t k) const;

  // The table as the sorts left it goes back to how it was before them: the purged
  // categories return, with their notes, and every parent link is numbered as before.
  void Undo(TabList& tabs);
  // The table as it was before the sorts is sorted and purged again.
  void Redo(TabList& tabs);

  std::size_t HeldBytes() const;

 private:
  struct Run {
    std::uint32_t from;    // index before the sorts of the run's first category
    std::uint32_t length;  // how many follow one another unchanged
  };
  static std::vector<Run> Compress(const std::vector<std::size_t>& order);
  // Renumbers every parent link of `tab` that points into the table by `map`.
  static void Renumber(Tab& tab, const std::vector<std::size_t>& map);

  std::size_t count_ = 0;
  std::size_t purgedCount_ = 0;
  std::vector<Run> runs_;
  std::vector<Tab> purged_;  // held while the sorts stand, in the order of their places
};

}  // namespace zelto
