#include "model/TreeOps.h"

#include <gtest/gtest.h>

using namespace zelto;

namespace {

TabInx Add(Document& doc, const std::string& name, TabInx parent = NO_PARENT) {
  return *AppendCategory(doc.tabs, name, 0, parent);
}

// Every live category's parent is a live category with the expected name.
std::string ParentName(const Document& doc, const std::string& name) {
  for (const Tab& t : doc.tabs)
    if (t.text == name) return t.parent == NO_PARENT ? "" : doc.tabs[t.parent].text;
  return "<missing>";
}

}  // namespace

TEST(SortCategories, PurgesDeletedSubtreeAndKeepsParentsConsistent) {
  Document doc;
  MemoryCategoryList list;
  const TabInx work = Add(doc, "Work");
  const TabInx old = Add(doc, "Old");
  Add(doc, "Old child 1", old);
  Add(doc, "Old child 2", old);
  Add(doc, "Clients", work);
  Add(doc, "Alpha");
  doc.tabs[work].notes.Add(NoteString{"note", 0});
  FillLevel(doc.tabs, NO_PARENT, list);
  list.SetSelIndex(list.FindStringExact("Work"));

  MarkSubtree(doc.tabs, old, TabState::Deleted);
  SortCategories(doc, list);

  ASSERT_EQ(doc.tabs.Count(), 3u);
  EXPECT_EQ(doc.tabs[0].text, "Alpha");
  EXPECT_EQ(doc.tabs[1].text, "Clients");
  EXPECT_EQ(doc.tabs[2].text, "Work");
  EXPECT_EQ(ParentName(doc, "Clients"), "Work");
  EXPECT_EQ(doc.tabs[2].notes.Count(), 1u);
  EXPECT_TRUE(doc.modified);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetString(list.GetSelIndex()), "Work");
  EXPECT_EQ(list.SelectedCategory(), 2);
}

TEST(SortCategories, CutCategoryGoesBehindAndChildrenFollowIt) {
  Document doc;
  MemoryCategoryList list;
  const TabInx zed = Add(doc, "Zed");
  const TabInx cut = Add(doc, "Box");
  Add(doc, "b-child", cut);
  Add(doc, "a-child", cut);
  FillLevel(doc.tabs, NO_PARENT, list);
  list.SetSelIndex(list.FindStringExact("Zed"));
  (void)zed;

  doc.tabs[cut].state = TabState::Cut;
  SortCategories(doc, list);

  ASSERT_EQ(doc.tabs.Count(), 4u);
  EXPECT_EQ(doc.tabs[3].text, "Box");
  EXPECT_EQ(doc.tabs[3].state, TabState::Cut);
  EXPECT_EQ(doc.tabs[0].text, "a-child");
  EXPECT_EQ(doc.tabs[1].text, "b-child");
  EXPECT_EQ(doc.tabs[0].parent, 3);
  EXPECT_EQ(doc.tabs[1].parent, 3);
  ASSERT_EQ(list.GetCount(), 1);  // the cut category left the list
  EXPECT_EQ(list.GetString(0), "Zed");
  EXPECT_EQ(list.GetSelIndex(), 0);
  EXPECT_FALSE(IsLive(doc.tabs, 0));
  EXPECT_TRUE(IsLive(doc.tabs, 2));
}

TEST(SortCategories, SelectsTheSameCategoryNotANamesake) {
  Document doc;
  MemoryCategoryList list;
  Add(doc, "home");
  Add(doc, "Home");
  Add(doc, "Homework");
  FillLevel(doc.tabs, NO_PARENT, list);
  list.SetSelIndex(1);  // the second of the equal names, "Home" (index 1)
  SortCategories(doc, list);
  EXPECT_EQ(doc.tabs[static_cast<std::size_t>(list.SelectedCategory())].text, "Home");
}

TEST(SortCategories, SelectedCategoryPurgedLeavesNoSelection) {
  Document doc;
  MemoryCategoryList list;
  Add(doc, "A");
  const TabInx b = Add(doc, "B");
  FillLevel(doc.tabs, NO_PARENT, list);
  list.SetSelIndex(list.FindStringExact("B"));
  MarkSubtree(doc.tabs, b, TabState::Deleted);
  SortCategories(doc, list);
  EXPECT_EQ(list.GetSelIndex(), CategoryList::None);
  EXPECT_EQ(list.GetCount(), 1);
}

TEST(SortCategories, EmptyListTouchesNothingMissing) {
  Document doc;
  MemoryCategoryList list;
  SortCategories(doc, list);  // no categories at all
  EXPECT_EQ(list.GetCount(), 0);
  Add(doc, "Only");
  list.Clear();
  SortCategories(doc, list);  // categories but an empty list: top level shown, nothing selected
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetSelIndex(), CategoryList::None);
}

TEST(MarkSubtree, ReachesGrandchildrenListedBeforeTheirParents) {
  Document doc;
  // Grandchild stored before its parent so that one forward pass would miss it.
  Add(doc, "root");
  doc.tabs.Append(Tab("grandchild", 0, 2));
  Add(doc, "child", 0);
  Add(doc, "other");
  MarkSubtree(doc.tabs, 0, TabState::Deleted);
  EXPECT_EQ(doc.tabs[1].state, TabState::Deleted);
  EXPECT_EQ(doc.tabs[2].state, TabState::Deleted);
  EXPECT_EQ(doc.tabs[3].state, TabState::Normal);
}

TEST(TreeOps, CategoryPathAndCycleSafety) {
  Document doc;
  const TabInx work = Add(doc, "Work");
  const TabInx clients = Add(doc, "Clients", work);
  EXPECT_EQ(CategoryPath(doc.tabs, clients), "/Work/Clients");
  // A damaged parent chain (a cycle) ends the walks instead of looping.
  doc.tabs[work].parent = clients;
  EXPECT_FALSE(IsLive(doc.tabs, clients));
  EXPECT_FALSE(LiveCategories(doc.tabs)[work]);
  (void)CategoryPath(doc.tabs, clients);
}

TEST(CategoryList, MemoryListKeepsTextOrderAndEqualNamesInArrival) {
  MemoryCategoryList list;
  list.AddString("b");
  list.AddString("Home");
  list.AddString("home");
  list.AddString("a");
  EXPECT_EQ(list.GetString(0), "a");
  EXPECT_EQ(list.GetString(1), "b");
  EXPECT_EQ(list.GetString(2), "Home");
  EXPECT_EQ(list.GetString(3), "home");
  EXPECT_EQ(list.FindStringExact("HOME"), 2);
  EXPECT_EQ(list.SelectString("ho"), 2);
  EXPECT_EQ(list.SelectString("zz"), CategoryList::None);
  EXPECT_EQ(list.GetSelIndex(), CategoryList::None);
}
