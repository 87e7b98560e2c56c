#include "model/CategoryReorder.h"

#include "model/DocumentChange.h"

namespace zelto {

namespace {

std::vector<std::size_t> Inverse(const std::vector<std::size_t>& order) {
  std::vector<std::size_t> inverse(order.size());
  for (std::size_t k = 0; k < order.size(); ++k) inverse[order[k]] = k;
  return inverse;
}

}  // namespace

std::vector<CategoryReorder::Run> CategoryReorder::Compress(const std::vector<std::size_t>& order) {
  std::vector<Run> runs;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (!runs.empty() && runs.back().from + runs.back().length == order[k])
      ++runs.back().length;
    else
      runs.push_back(Run{static_cast<std::uint32_t>(order[k]), 1});
  }
  runs.shrink_to_fit();
  return runs;
}

std::vector<std::size_t> CategoryReorder::Order() const {
  std::vector<std::size_t> order;
  order.reserve(count_);
  for (const Run& run : runs_)
    for (std::uint32_t i = 0; i < run.length; ++i) order.push_back(run.from + i);
  return order;
}

void CategoryReorder::Renumber(Tab& tab, const std::vector<std::size_t>& map) {
  // A link that points beyond the table was left alone by the sort, and is here too.
  if (tab.parent != NO_PARENT && tab.parent < map.size())
    tab.parent = static_cast<TabInx>(map[tab.parent]);
}

void CategoryReorder::Add(const std::vector<std::size_t>& order, std::vector<Tab> purged) {
  if (!Recorded()) {
    count_ = order.size();
    purgedCount_ = purged.size();
    runs_ = Compress(order);
    purged_ = std::move(purged);
    return;
  }
  // The new sort reordered the survivors of the earlier ones: the categories it purged
  // join the purged ones in front of those purged before, and those purged before follow
  // the new numbering of the survivors they point to.
  const std::vector<std::size_t> newIndex = Inverse(order);
  for (Tab& tab : purged_) {
    if (tab.parent != NO_PARENT && tab.parent < order.size())
      tab.parent = static_cast<TabInx>(newIndex[tab.parent]);
  }
  std::vector<std::size_t> earlier = Order();
  std::vector<std::size_t> combined;
  combined.reserve(count_);
  for (std::size_t k : order) combined.push_back(earlier[k]);
  for (std::size_t k = order.size(); k < count_; ++k) combined.push_back(earlier[k]);
  runs_ = Compress(combined);
  purgedCount_ += purged.size();
  for (Tab& tab : purged_) purged.push_back(std::move(tab));
  purged_ = std::move(purged);
}

bool CategoryReorder::Moved() const {
  return purgedCount_ > 0 || runs_.size() > 1 || (runs_.size() == 1 && runs_[0].from != 0);
}

const Tab& CategoryReorder::At(const TabList& tabs, std::size_t k) const {
  const std::size_t survivors = count_ - purgedCount_;
  return k < survivors ? tabs[k] : purged_[k - survivors];
}

void CategoryReorder::Undo(TabList& tabs) {
  if (!Recorded()) return;
  const std::vector<std::size_t> order = Order();
  const std::size_t survivors = count_ - purgedCount_;
  std::vector<Tab> before(count_);
  for (std::size_t k = 0; k < count_; ++k)
    before[order[k]] = std::move(k < survivors ? tabs[k] : purged_[k - survivors]);
  for (Tab& tab : before) Renumber(tab, order);
  tabs.Items() = std::move(before);
  purged_.clear();
  purged_.shrink_to_fit();
}

void CategoryReorder::Redo(TabList& tabs) {
  if (!Recorded()) return;
  const std::vector<std::size_t> order = Order();
  const std::vector<std::size_t> newIndex = Inverse(order);
  const std::size_t survivors = count_ - purgedCount_;
  std::vector<Tab> after(survivors);
  purged_.resize(purgedCount_);
  for (std::size_t k = 0; k < count_; ++k) {
    Tab& place = k < survivors ? after[k] : purged_[k - survivors];
    place = std::move(tabs[order[k]]);
    Renumber(place, newIndex);
  }
  tabs.Items() = std::move(after);
}

std::size_t CategoryReorder::HeldBytes() const {
  std::size_t bytes = runs_.capacity() * sizeof(Run) + purged_.capacity() * sizeof(Tab);
  for (const Tab& tab : purged_) bytes += HeldBytesOf(tab);
  return bytes;
}

}  // namespace zelto
