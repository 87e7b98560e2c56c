#include "mainwin/DropRules.h"

#include <gtest/gtest.h>

#include "model/TreeOps.h"

namespace zelto {
namespace {

// Default, Work > (Plans > Old), Home > Plans, and Trash (deleted, not yet purged).
struct Tree {
  TabList tabs;
  TabInx def, work, plans, old, home, homePlans, trash;
  Tree() {
    def = *AppendCategory(tabs, "Default", 0, NO_PARENT);
    work = *AppendCategory(tabs, "Work", 0, NO_PARENT);
    plans = *AppendCategory(tabs, "Plans", 0, work);
    old = *AppendCategory(tabs, "Old", 0, plans);
    home = *AppendCategory(tabs, "Home", 0, NO_PARENT);
    homePlans = *AppendCategory(tabs, "plans", 0, home);
    trash = *AppendCategory(tabs, "Trash", 0, NO_PARENT);
    tabs[trash].state = TabState::Deleted;
  }
};

TEST(DropRules, CategoryDrops) {
  const Tree t;
  struct Case {
    const char* what;
    TabInx moved, target;
    CategoryDrop expected;
  };
  const Case cases[] = {
      {"onto a sibling", t.work, t.home, CategoryDrop::Move},
      {"a child onto another top-level category", t.old, t.def, CategoryDrop::Move},
      {"onto itself", t.work, t.work, CategoryDrop::InsideItself},
      {"onto a child", t.work, t.plans, CategoryDrop::InsideItself},
      {"onto a grandchild", t.work, t.old, CategoryDrop::InsideItself},
      {"onto its parent", t.old, t.plans, CategoryDrop::Unchanged},
      {"a name the target's child has, in other letters", t.plans, t.home, CategoryDrop::NameTaken},
      {"the top-level default category", t.def, t.work, CategoryDrop::DefaultCategory},
      {"onto a deleted category", t.work, t.trash, CategoryDrop::NoCategory},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckCategoryDrop(t.tabs, c.moved, c.target, "default"), c.expected) << c.what;
}

TEST(DropRules, ADefaultCategoryBelowTheTopLevelMoves) {
  Tree t;
  const TabInx child = *AppendCategory(t.tabs, "Default", 0, t.work);
  EXPECT_EQ(CheckCategoryDrop(t.tabs, child, t.home, "Default"), CategoryDrop::Move);
}

TEST(DropRules, NoteDrops) {
  const Tree t;
  EXPECT_TRUE(NoteDropChanges(t.tabs, t.work, t.home));
  EXPECT_FALSE(NoteDropChanges(t.tabs, t.work, t.work));
  EXPECT_FALSE(NoteDropChanges(t.tabs, t.work, t.trash));
  EXPECT_FALSE(NoteDropChanges(t.tabs, t.work, 99));
}

}  // namespace
}  // namespace zelto
