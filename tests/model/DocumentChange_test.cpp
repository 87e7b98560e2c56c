// The undo records of the model: each change undone gives back exactly the document it
// was made on, and redone exactly the one it made, with nothing held twice.
#include <gtest/gtest.h>

#include "model/CategoryTableChange.h"
#include "model/NoteListChange.h"
#include "model/TreeOps.h"
#include "support/DocumentDump.h"

namespace zelto {
namespace {

using testing::DocumentDump;

TabInx Add(Document& doc, const std::string& name, TabInx parent = NO_PARENT) {
  return *AppendCategory(doc.tabs, name, 0, parent);
}

TabInx Named(const Document& doc, const std::string& name) {
  for (std::size_t i = 0; i < doc.tabs.Count(); ++i)
    if (doc.tabs[i].text == name) return static_cast<TabInx>(i);
  return NO_PARENT;
}

TEST(NoteListChange, PutsNotesBackAmongTheirEqualsWhereTheyWere) {
  Document doc;
  const TabInx work = Add(doc, "Work");
  NoteList& notes = doc.tabs[work].notes;
  for (std::uint8_t flags : {0, 1, 0x80}) notes.Add(NoteString{"same", flags});
  notes.Add(NoteString{"zz", 0});
  const std::string before = DocumentDump(doc);

  // An edit of the first of three equal notes: out, and back in after its equals.
  NoteListChange edit(work);
  edit.Remove(doc.tabs, 0);
  EXPECT_EQ(edit.Insert(doc.tabs, NoteString{"SAME", 0}), 2u);
  NoteListChange remove(work);
  remove.Remove(doc.tabs, 1);
  const std::string after = DocumentDump(doc);

  for (int round = 0; round < 2; ++round) {
    remove.Undo(doc);
    edit.Undo(doc);
    EXPECT_EQ(DocumentDump(doc), before);
    edit.Redo(doc);
    remove.Redo(doc);
    EXPECT_EQ(DocumentDump(doc), after);
  }
}

// A table not in name order (categories appended since the last sort), with a cut
// category below the one that goes: a delete answered No.
struct DeleteBelowCut {
  Document doc;
  MemoryCategoryList list;
  TabInx work;
  DeleteBelowCut() {
    Add(doc, "Zeta");
    work = Add(doc, "Work");
    const TabInx cut = Add(doc, "Clients", work);
    Add(doc, "Old", cut);
    Add(doc, "Alpha");
    Add(doc, "Inbox", work);
    for (std::size_t i = 0; i < doc.tabs.Count(); ++i)
      for (int n = 0; n < 50; ++n)
        doc.tabs[i].notes.Add(
            NoteString{"note " + std::to_string(n) + " of a long enough text", 0});
    doc.tabs[cut].state = TabState::Cut;
    doc.cutPending = true;
    FillLevel(doc.tabs, NO_PARENT, list);
  }
};

TEST(CategoryTableChange, DeleteTakenBackRestoresTheTableOrderCutStateAndNotes) {
  DeleteBelowCut d;
  const std::string before = DocumentDump(d.doc);
  auto change = std::make_unique<CategoryTableChange>(d.doc);
  MarkSubtree(d.doc.tabs, d.work, TabState::Deleted);
  SortCategories(d.doc, d.list, change->SortRecord());
  ASSERT_TRUE(change->Finish(d.doc));
  const std::string after = DocumentDump(d.doc);
  ASSERT_EQ(d.doc.tabs.Count(), 2u);
  // The purged categories and their notes are held once, by the record alone.
  const std::size_t held = change->HeldBytes();
  EXPECT_GT(held, std::size_t{4} * 50 * sizeof(NoteString));

  for (int round = 0; round < 2; ++round) {
    change->Undo(d.doc);
    EXPECT_EQ(DocumentDump(d.doc), before);
    EXPECT_LT(change->HeldBytes(), held / 10);
    change->Redo(d.doc);
    EXPECT_EQ(DocumentDump(d.doc), after);
  }
}

TEST(CategoryTableChange, TwoSortsOfOneOperationAreTakenBackAsOne) {
  DeleteBelowCut d;
  const std::string before = DocumentDump(d.doc);
  CategoryTableChange change(d.doc);
  d.doc.tabs[Add(d.doc, "Beta")].notes.Add(NoteString{"appended first", 0});
  MarkSubtree(d.doc.tabs, Named(d.doc, "Zeta"), TabState::Deleted);
  SortCategories(d.doc, d.list, change.SortRecord());
  MarkSubtree(d.doc.tabs, Named(d.doc, "Beta"), TabState::Deleted);
  d.doc.tabs[Named(d.doc, "Inbox")].parent = Named(d.doc, "Alpha");
  SortCategories(d.doc, d.list, change.SortRecord());
  ASSERT_TRUE(change.Finish(d.doc));
  const std::string after = DocumentDump(d.doc);

  change.Undo(d.doc);
  EXPECT_EQ(DocumentDump(d.doc), before);
  change.Redo(d.doc);
  EXPECT_EQ(DocumentDump(d.doc), after);
}

TEST(CategoryTableChange, AnOperationThatChangedNothingIsNoStep) {
  DeleteBelowCut d;
  CategoryTableChange change(d.doc);
  d.doc.modified = true;  // a refused name, a paste with nothing cut
  EXPECT_FALSE(change.Finish(d.doc));

  CategoryTableChange rename(d.doc);
  rename.WatchName(d.doc.tabs, d.work);
  d.doc.tabs[d.work].flags = NoPrint;
  EXPECT_TRUE(rename.Finish(d.doc));
  rename.Undo(d.doc);
  EXPECT_EQ(d.doc.tabs[d.work].flags, 0);
}

}  // namespace
}  // namespace zelto
