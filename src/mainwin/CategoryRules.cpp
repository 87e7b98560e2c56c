#include "mainwin/CategoryRules.h"

#include "model/TextOrder.h"
#include "model/TreeOps.h"

namespace zelto {

bool SiblingNameTaken(const CategoryList& list, std::string_view name) {
  return list.FindStringExact(name) != CategoryList::None;
}

bool ChildNameTaken(const TabList& tabs, TabInx parent, std::string_view name) {
  for (const Tab& tab : tabs)
    if (tab.parent == parent && TextEqual(tab.text, name)) return true;
  return false;
}

bool IsProtectedDefaultCategory(const TabList& tabs, std::size_t index,
                                std::string_view defaultCat) {
  return tabs.Valid(index) && tabs[index].IsTopLevel() && TextEqual(tabs[index].text, defaultCat);
}

AddCategoryResult AddSiblingCategory(Document& doc, CategoryList& list, const NoteString& name) {
  if (SiblingNameTaken(list, name.text)) return AddCategoryResult::NameTaken;
  // The level shown in the list: that of the selected item, or of the first one when
  // nothing is selected; the top level when the list is empty.
  TabInx parent = NO_PARENT;
  if (list.GetCount() > 0) {
    const int pos = list.GetSelIndex() == CategoryList::None ? 0 : list.GetSelIndex();
    const std::size_t current = list.GetItemData(pos);
    if (doc.tabs.Valid(current)) parent = doc.tabs[current].parent;
  }
  const auto index = AppendCategory(doc.tabs, name.text, name.flags, parent);
  if (!index) return AddCategoryResult::TableFull;
  doc.modified = true;
  const int pos = list.AddString(name.text);
  list.SetItemData(pos, *index);
  list.SetSelIndex(pos);
  return AddCategoryResult::Added;
}

AddCategoryResult AddChildCategory(Document& doc, TabInx parent, const NoteString& name) {
  if (!doc.tabs.Valid(parent)) return AddCategoryResult::NoParent;
  if (ChildNameTaken(doc.tabs, parent, name.text)) return AddCategoryResult::NameTaken;
  if (!AppendCategory(doc.tabs, name.text, name.flags, parent)) return AddCategoryResult::TableFull;
  doc.modified = true;
  return AddCategoryResult::Added;
}

std::string SaveCategoryQuestion(std::string_view name) {
  return "Save category " + std::string(name) + " and children for later paste?";
}

bool IsSelfOrDescendant(const TabList& tabs, std::size_t index, std::size_t ancestor) {
  // A parent chain is at most as long as the table; the bound also stops a damaged,
  // circular chain.
  for (std::size_t steps = 0; steps <= tabs.Count() && tabs.Valid(index); ++steps) {
    if (index == ancestor) return true;
    index = tabs[index].parent;
  }
  return false;
}

TabInx FirstCutCategory(const TabList& tabs) {
  for (std::size_t i = 0; i < tabs.Count(); ++i)
    if (tabs[i].state == TabState::Cut) return static_cast<TabInx>(i);
  return NO_PARENT;
}

TreePasteResult PasteTree(Document& doc, CategoryList& list, TabInx current, TreePaste where,
                          CategoryReorder* sorted) {
  return PasteCategory(doc, list, FirstCutCategory(doc.tabs), current, where, sorted);
}

TreePasteResult PasteCategory(Document& doc, CategoryList& list, TabInx moved, TabInx current,
                              TreePaste where, CategoryReorder* sorted) {
  TabList& tabs = doc.tabs;
  // Without a current category (an empty list, e.g. after the last top-level category
  // was cut) the category comes back at the top level rather than staying out of reach.
  TabInx newParent = NO_PARENT;
  if (tabs.Valid(current)) newParent = where == TreePaste::AsChild ? current : tabs[current].parent;
  if (moved != NO_PARENT && newParent != NO_PARENT && IsSelfOrDescendant(tabs, newParent, moved))
    return TreePasteResult::InsideItself;

  doc.modified = true;
  if (moved == NO_PARENT) return TreePasteResult::NothingCut;
  tabs[moved].state = TabState::Normal;
  tabs[moved].parent = newParent;
  // A second cut category still waits for its paste; the next save would leave it out.
  doc.cutPending = FirstCutCategory(tabs) != NO_PARENT;
  if (where == TreePaste::AsSibling || !tabs.Valid(current)) {
    // Listed and selected first, so that the sort shows the pasted category's level.
    const int pos = list.AddString(tabs[moved].text);
    list.SetItemData(pos, moved);
    list.SetSelIndex(pos);
  }
  SortCategories(doc, list, sorted);
  return TreePasteResult::Pasted;
}

}  // namespace zelto
