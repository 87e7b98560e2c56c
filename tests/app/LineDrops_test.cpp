// Lines of the note window dropped on a category, in the running program: what each drop
// does to the saved file, that Undo gives back the file before it and Redo the file after
// it, and the drops that are refused.
#include <QUndoStack>
#include <functional>

#include "AppFixture.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/TZeltoWindow.h"
#include "model/DocumentCodec.h"
#include "model/NoteList.h"
#include "model/TreeOps.h"
#include "support/DocumentDump.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto::testing {
namespace {

// Default, Home (milk), Work (alpha, beta) with the children Clients (client note; under it
// Acme) and Inbox. Work's lines: Clients 0, Inbox 1, alpha 2, beta 3.
Document StartDocument() {
  Document doc;
  const auto add = [&doc](const char* name, TabInx parent = NO_PARENT) {
    return *AppendCategory(doc.tabs, name, 0, parent);
  };
  add("Default");
  doc.tabs[add("Home")].notes.Add(NoteString{"milk", 0});
  const TabInx work = add("Work");
  const TabInx clients = add("Clients", work);
  doc.tabs[clients].notes.Add(NoteString{"client note", 0});
  add("Acme", clients);
  add("Inbox", work);
  doc.tabs[work].notes.Add(NoteString{"alpha", 0});
  doc.tabs[work].notes.Add(NoteString{"beta", 0});
  MemoryCategoryList list;
  SortCategories(doc, list);
  return doc;
}

class LineDropsTest : public AppFixture {
 public:
  void StartOn(const Document& doc) {
    WriteFile(Path("start.zlt"), EncodeDocument(doc.tabs, FileLayout::V101));
    Start();
    ASSERT_FALSE(app->doc.modified);
  }
  TZeltoWindow& Window() { return *app->MainWindow(); }
  TCatWindow& List() { return *app->CatList(); }
  QUndoStack& Stack() { return Window().History().Stack(); }
  TabInx Category(const std::string& name) {
    for (std::size_t i = 0; i < app->doc.tabs.Count(); ++i)
      if (app->doc.tabs[i].text == name) return static_cast<TabInx>(i);
    ADD_FAILURE() << "no category " << name;
    return NO_PARENT;
  }
  // Shows `name` in the note window: a top-level category by the list, one below by
  // activating its line in its parent.
  void Show(const std::string& name) {
    const Tab& tab = app->doc.tabs[Category(name)];
    if (!tab.IsTopLevel()) {
      Show(app->doc.tabs[tab.parent].text);
      const TabIndex children = SubcategoryLines(app->doc.tabs, tab.parent);
      const int first = app->doc.tabs[tab.parent].IsTopLevel() ? 0 : 1;
      for (std::size_t k = 0; k < children.size(); ++k)
        if (children[k] == Category(name)) Window().NoteView()->ActivateLine(first + int(k), false);
      return;
    }
    for (int pos = 0; pos < List().count(); ++pos)
      if (List().GetString(pos) == name) List().setCurrentRow(pos);
  }
  // Line `line` of the category shown dropped on the list's item of category `target`, as
  // the list reports it.
  void Drop(int line, const std::string& target, bool copy = false) {
    const int shown = List().SelectedCategory();
    emit List().LineDropped(DraggedLine{shown, line}, Category(target), copy);
    QCoreApplication::processEvents();
  }
  // The same dropped on line `targetLine` of the note window.
  void DropOnLine(int line, int targetLine, bool copy = false) {
    const int shown = List().SelectedCategory();
    emit Window().NoteView()->LineDropped(DraggedLine{shown, line}, targetLine, copy);
    QCoreApplication::processEvents();
  }
  std::string Saved() {
    EXPECT_TRUE(app->Frame()->Execute(CM_FILESAVE));
    return ReadFile(Path("start.zlt"));
  }
  std::vector<std::string> NotesOf(const std::string& name) {
    std::vector<std::string> out;
    for (const NoteString& note : app->doc.tabs[Category(name)].notes) out.push_back(note.text);
    return out;
  }
  std::string ParentOf(const std::string& name) {
    const TabInx parent = app->doc.tabs[Category(name)].parent;
    return parent == NO_PARENT ? "" : app->doc.tabs[parent].text;
  }
};

struct DropCase {
  const char* what;
  const char* shown;
  int line;
  const char* target;  // an item of the list, or
  int targetLine;      // when not -1, a line of the note window
  bool copy;
  const char* step;
  std::function<void(LineDropsTest&)> check;
};

void PrintTo(const DropCase& c, std::ostream* out) { *out << c.what; }

class EveryDrop : public LineDropsTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(EveryDrop, DoesItsOneStepThatUndoAndRedoTakeBackAndMakeAgain) {
  const DropCase& c = GetParam();
  StartOn(StartDocument());
  Show(c.shown);
  const std::string fileBefore = Saved();
  const std::string dumpBefore = DocumentDump(app->doc);
  const int steps = Stack().count();

  if (c.targetLine < 0)
    Drop(c.line, c.target, c.copy);
  else
    DropOnLine(c.line, c.targetLine, c.copy);
  ASSERT_EQ(Stack().count(), steps + 1);
  EXPECT_EQ(Stack().undoText(), QString::fromLatin1(c.step));
  EXPECT_TRUE(app->doc.modified);
  c.check(*this);
  const std::string fileAfter = Saved();
  ASSERT_NE(fileAfter, fileBefore);

  for (int round = 0; round < 2; ++round) {
    app->Frame()->MenuAction(CM_EDITUNDO)->trigger();
    EXPECT_EQ(DocumentDump(app->doc), dumpBefore);
    EXPECT_EQ(Saved(), fileBefore);
    app->Frame()->MenuAction(CM_EDITREDO)->trigger();
    EXPECT_EQ(Saved(), fileAfter);
  }
}

using Notes = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Drops, EveryDrop,
    ::testing::Values(
        DropCase{"a note on a category of the list", "Work", 2, "Home", -1, false, "Move Note",
                 [](LineDropsTest& test) {
                   EXPECT_EQ(test.NotesOf("Home"), (Notes{"alpha", "milk"}));
                   EXPECT_EQ(test.NotesOf("Work"), Notes{"beta"});
                 }},
        DropCase{"a note on a category line", "Work", 3, "", 0, false, "Move Note",
                 [](LineDropsTest& test) {
                   EXPECT_EQ(test.NotesOf("Clients"), (Notes{"beta", "client note"}));
                 }},
        DropCase{"a note on the up-arrow line", "Clients", 2, "", 0, false, "Move Note",
                 [](LineDropsTest& test) {
                   EXPECT_EQ(test.NotesOf("Work"), (Notes{"alpha", "beta", "client note"}));
                   EXPECT_TRUE(test.NotesOf("Clients").empty());
                 }},
        DropCase{"a note with Ctrl", "Work", 2, "Home", -1, true, "Copy Note",
                 [](LineDropsTest& test) {
                   EXPECT_EQ(test.NotesOf("Home"), (Notes{"alpha", "milk"}));
                   EXPECT_EQ(test.NotesOf("Work"), (Notes{"alpha", "beta"}));
                 }},
        DropCase{"a category on a sibling", "Work", 1, "", 0, false, "Move Category",
                 [](LineDropsTest& test) { EXPECT_EQ(test.ParentOf("Inbox"), "Clients"); }},
        DropCase{"a category on a top-level category", "Work", 0, "Home", -1, false,
                 "Move Category", [](LineDropsTest& test) {
                   EXPECT_EQ(test.ParentOf("Clients"), "Home");
                   EXPECT_EQ(test.ParentOf("Acme"), "Clients");
                 }}));

TEST_F(LineDropsTest, RefusedDropsSayWhyAndChangeNothing) {
  Document doc = StartDocument();
  // A child of Clients named like Inbox, in other letters.
  TabInx clients = 0;
  for (std::size_t i = 0; i < doc.tabs.Count(); ++i)
    if (doc.tabs[i].text == "Clients") clients = static_cast<TabInx>(i);
  AppendCategory(doc.tabs, "INBOX", 0, clients);
  MemoryCategoryList list;
  SortCategories(doc, list);
  StartOn(doc);
  Show("Work");
  const std::string file = Saved();
  struct Case {
    int line;
    const char* target;
    const char* message;
  };
  const Case cases[] = {
      {0, "Clients", "A category cannot be pasted inside itself."},  // onto itself
      {0, "Acme", "A category cannot be pasted inside itself."},     // onto a descendant
      {1, "Clients", "Category already in list!"},                   // a name taken there
  };
  for (const Case& c : cases) {
    Prompter::ResetTestHooks();
    Drop(c.line, c.target);
    ASSERT_EQ(Prompter::History().size(), 1u) << c.target;
    EXPECT_EQ(Prompter::History()[0].text, QString::fromLatin1(c.message));
  }
  EXPECT_EQ(Stack().count(), 0);
  EXPECT_FALSE(app->doc.modified);
  EXPECT_EQ(Saved(), file);
  // A note dropped on the category it is in, a line dropped on a note line, or a line that
  // is no note or category: nothing.
  Drop(2, "Work");
  DropOnLine(2, 3);
  Drop(4, "Home");  // the end line
  EXPECT_EQ(Stack().count(), 0);
}

}  // namespace
}  // namespace zelto::testing
