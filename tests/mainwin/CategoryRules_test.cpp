#include "mainwin/CategoryRules.h"

#include <gtest/gtest.h>

#include <map>

#include "model/DocumentCodec.h"
#include "model/TreeOps.h"

namespace zelto {
namespace {

class CategoryRulesTest : public ::testing::Test {
 protected:
  // Work (0) > Clients (1) > Acme (2); Home (3); Work items (4); Archive (5, cut) > Old (6)
  void SetUp() override {
    Add("Work", NO_PARENT);
    Add("Clients", 0);
    Add("Acme", 1);
    Add("Home", NO_PARENT);
    Add("Work items", NO_PARENT);
    Add("Archive", NO_PARENT);
    Add("Old", 5);
    doc.tabs[5].state = TabState::Cut;
    doc.cutPending = true;
    FillLevel(doc.tabs, NO_PARENT, list);
    list.SelectString("Work");
  }
  void Add(const std::string& name, TabInx parent) {
    ASSERT_TRUE(AppendCategory(doc.tabs, name, 0, parent));
  }
  int IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < doc.tabs.Count(); ++i)
      if (doc.tabs[i].text == name) return static_cast<int>(i);
    return -1;
  }
  Document doc;
  MemoryCategoryList list;
};

TEST_F(CategoryRulesTest, AddCategorySeesOnlyListedSiblings) {
  EXPECT_TRUE(SiblingNameTaken(list, "work"));
  EXPECT_TRUE(SiblingNameTaken(list, "HOME"));
  EXPECT_FALSE(SiblingNameTaken(list, "Archive"));  // cut, not listed
  EXPECT_FALSE(SiblingNameTaken(list, "Clients"));  // a child, not a sibling
  EXPECT_FALSE(SiblingNameTaken(list, "Wor"));
}

TEST_F(CategoryRulesTest, AddSubcategorySeesEveryChild) {
  EXPECT_FALSE(ChildNameTaken(doc.tabs, 0, "Work"));  // a child may share its parent's name
  EXPECT_TRUE(ChildNameTaken(doc.tabs, 0, "CLIENTS"));
  EXPECT_FALSE(ChildNameTaken(doc.tabs, 0, "Acme"));            // a grandchild
  EXPECT_TRUE(ChildNameTaken(doc.tabs, NO_PARENT, "archive"));  // cut child of the top
  EXPECT_TRUE(ChildNameTaken(doc.tabs, 5, "old"));
}

TEST_F(CategoryRulesTest, AddingCategoriesAtBothLevels) {
  EXPECT_EQ(AddSiblingCategory(doc, list, NoteString{"work", 0}), AddCategoryResult::NameTaken);
  EXPECT_FALSE(doc.modified);
  // A cut sibling is not listed, so its name can be taken again beside it.
  ASSERT_EQ(AddSiblingCategory(doc, list, NoteString{"archive", NoPrint}),
            AddCategoryResult::Added);
  const Tab& added = doc.tabs[doc.tabs.Count() - 1];
  EXPECT_EQ(added.parent, NO_PARENT);
  EXPECT_EQ(added.flags, NoPrint);
  EXPECT_EQ(list.GetString(list.GetSelIndex()), "archive");
  EXPECT_EQ(list.GetItemData(list.GetSelIndex()), doc.tabs.Count() - 1);
  EXPECT_TRUE(doc.modified);

  // Beside a child, the new category is a child of the same parent.
  FillLevel(doc.tabs, 0, list);
  list.SelectString("Clients");
  ASSERT_EQ(AddSiblingCategory(doc, list, NoteString{"Suppliers", 0}), AddCategoryResult::Added);
  EXPECT_EQ(doc.tabs[doc.tabs.Count() - 1].parent, 0);

  EXPECT_EQ(AddChildCategory(doc, 0, NoteString{"WORK", 0}), AddCategoryResult::Added);
  EXPECT_EQ(AddChildCategory(doc, 0, NoteString{"work", 0}), AddCategoryResult::NameTaken);
  EXPECT_EQ(AddChildCategory(doc, NO_PARENT, NoteString{"x", 0}), AddCategoryResult::NoParent);
  const auto count = doc.tabs.Count();
  EXPECT_EQ(AddChildCategory(doc, 5, NoteString{"OLD", 0}), AddCategoryResult::NameTaken);
  EXPECT_EQ(doc.tabs.Count(), count);

  MemoryCategoryList empty;
  Document fresh;
  ASSERT_EQ(AddSiblingCategory(fresh, empty, NoteString{"First", 0}), AddCategoryResult::Added);
  EXPECT_EQ(fresh.tabs[0].parent, NO_PARENT);
  EXPECT_EQ(empty.GetSelIndex(), 0);
}

TEST_F(CategoryRulesTest, OnlyTheTopLevelDefaultCategoryIsProtected) {
  Add("Clients", 3);  // Home > Clients
  EXPECT_TRUE(IsProtectedDefaultCategory(doc.tabs, 0, "WORK"));
  EXPECT_FALSE(IsProtectedDefaultCategory(doc.tabs, 1, "Clients"));
  EXPECT_FALSE(IsProtectedDefaultCategory(doc.tabs, 3, "Work"));
  EXPECT_FALSE(IsProtectedDefaultCategory(doc.tabs, 99, "Work"));
  EXPECT_FALSE(IsProtectedDefaultCategory(doc.tabs, 0, ""));
  EXPECT_EQ(SaveCategoryQuestion("Work"), "Save category Work and children for later paste?");
}

TEST_F(CategoryRulesTest, PasteAsChildMovesTheWholeSubtree) {
  ASSERT_EQ(PasteTree(doc, list, 3, TreePaste::AsChild), TreePasteResult::Pasted);
  const int archive = IndexOf("Archive"), home = IndexOf("Home"), old = IndexOf("Old");
  EXPECT_EQ(doc.tabs[archive].state, TabState::Normal);
  EXPECT_EQ(doc.tabs[archive].parent, home);
  EXPECT_EQ(doc.tabs[old].parent, archive);
  EXPECT_FALSE(doc.cutPending);
  EXPECT_TRUE(doc.modified);
  EXPECT_EQ(list.GetString(list.GetSelIndex()), "Work");
  EXPECT_EQ(PasteTree(doc, list, 0, TreePaste::AsChild), TreePasteResult::NothingCut);
}

TEST_F(CategoryRulesTest, PasteAsSiblingOfATopLevelCategoryIsTopLevel) {
  ASSERT_EQ(PasteTree(doc, list, 0, TreePaste::AsSibling), TreePasteResult::Pasted);
  const int archive = IndexOf("Archive");
  EXPECT_EQ(doc.tabs[archive].parent, NO_PARENT);
  EXPECT_NE(list.FindStringExact("Archive"), CategoryList::None);
  EXPECT_EQ(static_cast<int>(list.GetItemData(list.GetSelIndex())), archive);
}

TEST_F(CategoryRulesTest, PastingInsideItselfIsRefusedAndChangesNothing) {
  // A search can make the cut category or one below it current.
  const auto before = doc.tabs.Count();
  for (auto [current, where] :
       {std::pair{TabInx{5}, TreePaste::AsChild}, std::pair{TabInx{6}, TreePaste::AsChild},
        std::pair{TabInx{6}, TreePaste::AsSibling}}) {
    EXPECT_EQ(PasteTree(doc, list, current, where), TreePasteResult::InsideItself);
    EXPECT_EQ(doc.tabs[5].state, TabState::Cut);
    EXPECT_EQ(doc.tabs[5].parent, NO_PARENT);
    EXPECT_TRUE(doc.cutPending);
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(doc.tabs.Count(), before);
  }
  EXPECT_EQ(PasteInsideItselfMessage, "A category cannot be pasted inside itself.");
  // Beside itself is fine: it comes back where it was.
  EXPECT_EQ(PasteTree(doc, list, 5, TreePaste::AsSibling), TreePasteResult::Pasted);
  EXPECT_EQ(doc.tabs[IndexOf("Archive")].parent, NO_PARENT);
}

TEST_F(CategoryRulesTest, PasteWithoutACurrentCategoryComesBackAtTheTop) {
  list.Clear();
  ASSERT_EQ(PasteTree(doc, list, NO_PARENT, TreePaste::AsChild), TreePasteResult::Pasted);
  EXPECT_EQ(doc.tabs[IndexOf("Archive")].parent, NO_PARENT);
  EXPECT_EQ(list.GetString(list.GetSelIndex()), "Archive");
}

TEST_F(CategoryRulesTest, ASecondCutWaitsForItsOwnPasteAndBothReachTheFile) {
  // Clients (with Acme below it) is cut too: two subtrees wait.
  doc.tabs[1].state = TabState::Cut;
  ASSERT_EQ(PasteTree(doc, list, 3, TreePaste::AsChild), TreePasteResult::Pasted);
  EXPECT_TRUE(doc.cutPending);
  ASSERT_EQ(PasteTree(doc, list, IndexOf("Home"), TreePaste::AsChild), TreePasteResult::Pasted);
  EXPECT_FALSE(doc.cutPending);

  const DecodedDocument saved = DecodeDocument(EncodeDocument(doc.tabs, FileLayout::V101));
  std::map<std::string, std::string> parentOf;
  for (const Tab& tab : saved.tabs)
    parentOf[tab.text] = tab.IsTopLevel() ? "" : saved.tabs[tab.parent].text;
  EXPECT_EQ(parentOf["Clients"], "Home");
  EXPECT_EQ(parentOf["Acme"], "Clients");
  EXPECT_EQ(parentOf["Archive"], "Home");
  EXPECT_EQ(parentOf["Old"], "Archive");
}

TEST(IsSelfOrDescendant, WalksUpAndSurvivesBrokenChains) {
  TabList tabs;
  tabs.Append(Tab("A", 0, NO_PARENT));
  tabs.Append(Tab("B", 0, 0));
  tabs.Append(Tab("C", 0, 1));
  tabs.Append(Tab("Loop1", 0, 4));
  tabs.Append(Tab("Loop2", 0, 3));
  tabs.Append(Tab("Dangling", 0, 77));
  EXPECT_TRUE(IsSelfOrDescendant(tabs, 2, 0));
  EXPECT_TRUE(IsSelfOrDescendant(tabs, 0, 0));
  EXPECT_FALSE(IsSelfOrDescendant(tabs, 0, 2));
  EXPECT_FALSE(IsSelfOrDescendant(tabs, 3, 0));
  EXPECT_FALSE(IsSelfOrDescendant(tabs, 5, 0));
  EXPECT_EQ(FirstCutCategory(tabs), NO_PARENT);
  tabs[4].state = TabState::Cut;
  tabs[2].state = TabState::Cut;
  EXPECT_EQ(FirstCutCategory(tabs), 2);
}

}  // namespace
}  // namespace zelto
