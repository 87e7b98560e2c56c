#pragma once
// Operations on the whole category tree.
#include <optional>
#include <string>
#include <vector>

#include "model/CategoryList.h"
#include "model/Document.h"

namespace zelto {

// Gives category `index` the state `s` and spreads it to every category below a
// category in state `s`.
void MarkSubtree(TabList& tabs, std::size_t index, TabState s);

// True when `a` sorts before `b`: Normal categories first, in name order, then Cut,
// then Deleted ones.
bool CategoryCompare(const Tab& a, const Tab& b);

// Puts the Normal categories into name order (Cut and Deleted behind them), purges the
// Deleted ones, renumbers the parent links, refills `list` with the level of the
// category that was selected and selects it again. Sets `modified`.
void SortCategories(Document& doc, CategoryList& list);

// Empties the document and the list; nothing is left cut.
void ClearDocument(Document& doc, CategoryList& list);

// Appends a new Normal category with no notes; its index, or nothing when full.
std::optional<TabInx> AppendCategory(TabList& tabs, std::string name, std::uint8_t flags,
                                     TabInx parent);

// Fills `list` with the Normal children of `level` (NO_PARENT: the top level).
void FillLevel(const TabList& tabs, TabInx level, CategoryList& list);

// True when the category and all its ancestors are Normal, i.e. it belongs to the
// visible tree (not cut away, not deleted). A broken parent chain counts as not live.
bool IsLive(const TabList& tabs, std::size_t index);

// For every category, whether it is live (see IsLive); one pass for the whole tree.
std::vector<bool> LiveCategories(const TabList& tabs);

// The path of a category from the top, "/Work/Clients".
std::string CategoryPath(const TabList& tabs, std::size_t index);

}  // namespace zelto
