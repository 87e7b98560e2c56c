#include "model/TreeOps.h"

#include <algorithm>
#include <numeric>

#include "model/TextOrder.h"

namespace zelto {

namespace {

// Children of every category, built once so that tree walks stay linear.
std::vector<std::vector<std::size_t>> ChildrenTable(const TabList& tabs) {
  std::vector<std::vector<std::size_t>> children(tabs.Count());
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    const TabInx p = tabs[i].parent;
    if (p != NO_PARENT && p < tabs.Count() && p != i) children[p].push_back(i);
  }
  return children;
}

}  // namespace

void MarkSubtree(TabList& tabs, std::size_t index, TabState s) {
  if (!tabs.Valid(index)) return;
  tabs[index].state = s;
  // Spread from every category in state s (this one and any marked before) downwards.
  const auto children = ChildrenTable(tabs);
  std::vector<std::size_t> todo;
  for (std::size_t i = 0; i < tabs.Count(); ++i)
    if (tabs[i].state == s) todo.push_back(i);
  while (!todo.empty()) {
    const std::size_t c = todo.back();
    todo.pop_back();
    for (std::size_t child : children[c]) {
      if (tabs[child].state != s) {
        tabs[child].state = s;
        todo.push_back(child);
      }
    }
  }
}

bool CategoryCompare(const Tab& a, const Tab& b) {
  const int sa = static_cast<int>(a.state), sb = static_cast<int>(b.state);
  if (sa != 0 && sb != 0) return sb - sa < 0;  // Cut (2) before Deleted (1)
  if (sa != 0) return false;
  if (sb != 0) return true;
  return CompareText(a.text, b.text) < 0;
}

void SortCategories(Document& doc, CategoryList& list) {
  TabList& tabs = doc.tabs;
  const std::size_t n = tabs.Count();

  // The selected category; nothing selected counts as position 0, an empty list as none.
  std::optional<std::size_t> sel;
  if (list.GetCount() > 0) {
    int pos = list.GetSelIndex();
    if (pos == CategoryList::None) pos = 0;
    const std::size_t data = list.GetItemData(pos);
    if (data < n) sel = data;
  }

  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&tabs](std::size_t a, std::size_t b) {
    return CategoryCompare(tabs[a], tabs[b]);
  });
  std::vector<std::size_t> newIndex(n);
  for (std::size_t k = 0; k < n; ++k) newIndex[order[k]] = k;

  std::vector<Tab> sorted;
  sorted.reserve(n);
  for (std::size_t k = 0; k < n; ++k) sorted.push_back(std::move(tabs[order[k]]));
  for (Tab& t : sorted)
    if (t.parent != NO_PARENT && t.parent < n) t.parent = static_cast<TabInx>(newIndex[t.parent]);
  tabs.Items() = std::move(sorted);

  TabInx level = NO_PARENT;
  std::optional<std::size_t> newSel;
  if (sel) {
    newSel = newIndex[*sel];
    level = tabs[*newSel].parent;
    if (tabs[*newSel].state == TabState::Deleted) newSel.reset();
  }

  // Deleted categories all lie at the end now: purging them moves no other index.
  while (!tabs.Empty() && tabs[tabs.Count() - 1].state == TabState::Deleted)
    tabs.RemoveAt(tabs.Count() - 1);

  FillLevel(tabs, level, list);
  // Select the same category again, by its index (a name prefix could pick a namesake).
  list.SetSelIndex(CategoryList::None);
  if (newSel) {
    for (int i = 0; i < list.GetCount(); ++i) {
      if (list.GetItemData(i) == *newSel) {
        list.SetSelIndex(i);
        break;
      }
    }
  }
  doc.modified = true;
}

void ClearDocument(Document& doc, CategoryList& list) {
  list.Clear();
  doc.tabs.Clear();
  doc.cutPending = false;  // the cut categories went with the rest
  doc.modified.NewRevision();
}

std::optional<TabInx> AppendCategory(TabList& tabs, std::string name, std::uint8_t flags,
                                     TabInx parent) {
  const std::size_t index = tabs.Count();
  if (!tabs.Append(Tab(std::move(name), flags, parent))) return std::nullopt;
  return static_cast<TabInx>(index);
}

void FillLevel(const TabList& tabs, TabInx level, CategoryList& list) {
  list.Clear();
  for (std::size_t j = 0; j < tabs.Count(); ++j) {
    if (tabs[j].parent == level && tabs[j].IsNormal()) {
      const int pos = list.AddString(tabs[j].text);
      list.SetItemData(pos, static_cast<std::uint32_t>(j));
    }
  }
}

std::vector<bool> LiveCategories(const TabList& tabs) {
  const std::size_t n = tabs.Count();
  // 0 unknown, 1 in progress, 2 live, 3 not live
  std::vector<std::uint8_t> mark(n, 0);
  std::vector<std::size_t> chain;
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t c = i;
    chain.clear();
    std::uint8_t result = 3;
    while (true) {
      if (mark[c] >= 2) {
        result = mark[c];
        break;
      }
      if (mark[c] == 1 || !tabs[c].IsNormal()) {
        result = 3;
        break;
      }  // cycle or not Normal
      mark[c] = 1;
      chain.push_back(c);
      const TabInx p = tabs[c].parent;
      if (p == NO_PARENT) {
        result = 2;
        break;
      }
      if (p >= n) {
        result = 3;
        break;
      }
      c = p;
    }
    for (std::size_t k : chain) mark[k] = result;
  }
  std::vector<bool> live(n);
  for (std::size_t i = 0; i < n; ++i) live[i] = mark[i] == 2;
  return live;
}

bool IsLive(const TabList& tabs, std::size_t index) {
  std::size_t steps = 0;
  for (std::size_t c = index; tabs.Valid(c); c = tabs[c].parent) {
    if (!tabs[c].IsNormal() || ++steps > tabs.Count()) return false;
    if (tabs[c].parent == NO_PARENT) return true;
  }
  return false;
}

std::string CategoryPath(const TabList& tabs, std::size_t index) {
  std::vector<std::size_t> chain;
  for (std::size_t c = index; tabs.Valid(c) && chain.size() <= tabs.Count(); c = tabs[c].parent) {
    chain.push_back(c);
    if (tabs[c].parent == NO_PARENT) break;
  }
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) path += "/" + tabs[*it].text;
  return path;
}

}  // namespace zelto
