#pragma once
// Find all: every note that contains a text, in the order Next visits them, and how one
// hit reads as a row of the list.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "mainwin/Search.h"

namespace zelto {

// The scan behind the Find all list. It reads `tabs` a piece at a time, so that whoever runs
// it can stop between pieces; `tabs` must stay as it is (and alive) while the scan runs.
class FindAllScan {
 public:
  // The most hits the list holds; further hits are only counted.
  static constexpr std::size_t ListLimit = 10000;

  FindAllScan(const TabList& tabs, std::string text);

  // Examines at most `budget` further notes; true when the whole document is searched.
  bool Step(std::size_t budget);
  bool Done() const { return done_; }
  // The first hits, at most ListLimit of them, in search order.
  const std::vector<SearchHit>& Hits() const { return hits_; }
  // Every hit found so far, the listed ones and those beyond the limit.
  std::size_t Count() const { return count_; }

 private:
  const TabList& tabs_;
  std::string text_;
  SearchPosition next_;
  std::vector<SearchHit> hits_;
  std::size_t count_ = 0;
  bool done_ = false;
};

// One hit as the list shows it.
struct HitRow {
  std::string path;  // the category's path from the top, "/Work/Clients"
  bool cut = false;  // the category is cut away (or lies inside a cut one)
  // The note's text on one line, each line break shown as " \xB6 " (a pilcrow between
  // blanks), cut down around the match to about `maxLength` bytes with "..." at a cut end.
  std::string excerpt;
  std::size_t matchStart = 0;  // where the searched text stands in `excerpt`
  std::size_t matchLength = 0;
};

HitRow MakeHitRow(const TabList& tabs, const SearchHit& hit, std::string_view text,
                  std::size_t maxLength = 160);

}  // namespace zelto
