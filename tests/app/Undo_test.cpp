// Undo and redo of every change to the document, driven through the frame's commands as a
// user gives them, with the dialogs and questions answered through the test hooks and the
// document saved to its file and read back.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <random>

#include "AppFixture.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/TZeltoWindow.h"
#include "mainwin/WindowPlace.h"
#include "model/DocumentCodec.h"
#include "model/TreeOps.h"
#include "platform/ModalDialog.h"
#include "support/DocumentDump.h"
#include "view/NoteLines.h"
#include "view/TCatWindow.h"
#include "view/TExecDialog.h"
#include "view/TExecDialogField.h"
#include "view/TNoteDialog.h"
#include "view/TNoteEdit.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto {
// How a place shows in a failed comparison.
void PrintTo(const WindowPlace& p, std::ostream* out) {
  *out << "level " << p.level << " selected " << p.selected << " line " << p.line;
}
}  // namespace zelto

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;

// Default, Home (milk), Work (notes below), Work items; under Work: Clients (under it Acme,
// with a note) and Inbox. Work's lines: Clients 0, Inbox 1, then its notes from line 2:
// "  one..." 2, alpha 3, beta 4, Editor (a program) 5, same 6, same (NoPrint) 7, end 8.
Document StartDocument() {
  Document doc;
  const auto add = [&doc](const char* name, TabInx parent = NO_PARENT) {
    return *AppendCategory(doc.tabs, name, 0, parent);
  };
  add("Default");
  doc.tabs[add("Home")].notes.Add(NoteString{"milk", 0});
  const TabInx work = add("Work");
  add("Work items");
  const TabInx clients = add("Clients", work);
  doc.tabs[add("Acme", clients)].notes.Add(NoteString{"order 42", 0});
  add("Inbox", work);
  NoteList& notes = doc.tabs[work].notes;
  notes.Add(NoteString{"alpha", 0});
  notes.Add(NoteString{"beta\r\nsecond", 0});
  notes.Add(NoteString{"Editor\r\n/usr/bin/vi -R", 1});
  notes.Add(NoteString{"same", 0});
  notes.Add(NoteString{"same", NoPrint});
  notes.Add(NoteString{"  one\r\n two\r\nthree", 0});
  MemoryCategoryList list;
  SortCategories(doc, list);
  return doc;
}

class UndoTest : public AppFixture {
 public:  // the table of operations below drives it
  void StartOn(const Document& doc) {
    WriteFile(Path("start.zlt"), EncodeDocument(doc.tabs, FileLayout::V101));
    Start();
    ASSERT_FALSE(app->doc.modified);
    // Keys reach the active window only, and it paints only once it is shown.
    app->Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
  }

  TZeltoWindow& Window() { return *app->MainWindow(); }
  TNoteWindow& Notes() { return *Window().NoteView(); }
  TCatWindow& List() { return *app->CatList(); }
  DocumentHistory& History() { return Window().History(); }
  QUndoStack& Stack() { return History().Stack(); }

  // Clicks the category `name` in the list, or, below the level listed, opens its line in
  // the note window, as a user walks down the tree.
  void Select(const std::string& name) {
    for (int pos = 0; pos < List().count(); ++pos) {
      if (List().GetString(pos) == name) {
        List().setCurrentRow(pos);
        Paint();
        return;
      }
    }
    const int shown = List().SelectedCategory();
    ASSERT_NE(shown, CategoryList::None) << name;
    const TabIndex children = SubcategoryLines(app->doc.tabs, static_cast<TabInx>(shown));
    const int first = app->doc.tabs[static_cast<std::size_t>(shown)].IsTopLevel() ? 0 : 1;
    for (std::size_t k = 0; k < children.size(); ++k) {
      if (app->doc.tabs[children[k]].text == name) {
        Notes().ActivateLine(first + static_cast<int>(k), false);
        Paint();
        return;
      }
    }
    FAIL() << "no category " << name << " in reach";
  }
  void Line(int line) {
    Notes().SetCurrentLine(line);
    Paint();
  }
  // The note window settles its current line (an added note's) as it paints.
  void Paint() { Notes().viewport()->repaint(); }

  static void AnswerNote(const std::string& text, std::uint8_t flags = 0) {
    ModalDialog::SetNextStep([text, flags](QDialog& dialog) {
      auto* note = qobject_cast<TNoteDialog*>(&dialog);
      if (note == nullptr) return int(QDialog::Rejected);
      note->SetText(text);
      note->NoPrintBox()->setChecked((flags & NoPrint) != 0);
      note->Ok();
      return note->result();
    });
  }
  static void AnswerProgram(const QString& description, const QString& path) {
    ModalDialog::SetNextStep([description, path](QDialog& dialog) {
      auto* program = qobject_cast<TExecDialog*>(&dialog);
      if (program == nullptr) return int(QDialog::Rejected);
      program->DescriptionField()->setText(description);
      program->PathField()->setText(path);
      program->Ok();
      return program->result();
    });
  }
  static void Clipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

  // The command as the menu or a key gives it; false when it was grey.
  bool Do(int id) {
    const bool done = app->Frame()->Execute(id);
    Paint();
    return done;
  }
  void Undo() {
    app->Frame()->MenuAction(CM_EDITUNDO)->trigger();
    Paint();
  }
  void Redo() {
    app->Frame()->MenuAction(CM_EDITREDO)->trigger();
    Paint();
  }
  // Saves through the File menu and reads the file back.
  std::string Saved() {
    EXPECT_TRUE(Do(CM_FILESAVE));
    return ReadFile(Path("start.zlt"));
  }
  WindowPlace Place() { return PlaceOf(app->doc.tabs, List(), Notes().CurrentLine()); }
  std::string Dump() { return DocumentDump(app->doc); }
};

struct Operation {
  const char* step;  // the step's name in the Edit menu
  std::function<void(UndoTest&)> prepare;
  int command;
};

void PrintTo(const Operation& op, std::ostream* out) { *out << op.step; }

class EveryOperation : public UndoTest, public ::testing::WithParamInterface<Operation> {};

TEST_P(EveryOperation, UndoGivesBackTheFileBeforeAndRedoTheFileAfter) {
  const Operation& op = GetParam();
  StartOn(StartDocument());
  Select("Work");
  op.prepare(*this);
  const int steps = Stack().count();
  const std::string fileBefore = Saved();
  const std::string dumpBefore = Dump();
  const WindowPlace placeBefore = Place();

  ASSERT_TRUE(Do(op.command));
  ASSERT_EQ(Stack().count(), steps + 1);
  EXPECT_EQ(app->Frame()->MenuAction(CM_EDITUNDO)->text(), QStringLiteral("&Undo ") + op.step);
  EXPECT_TRUE(app->doc.modified);
  const std::string dumpAfter = Dump();
  const WindowPlace placeAfter = Place();
  const std::string fileAfter = Saved();
  ASSERT_NE(dumpAfter, dumpBefore);

  for (int round = 0; round < 2; ++round) {
    Undo();
    EXPECT_EQ(Dump(), dumpBefore);
    EXPECT_EQ(Place(), placeBefore);
    EXPECT_EQ(app->Frame()->MenuAction(CM_EDITREDO)->text(), QStringLiteral("&Redo ") + op.step);
    EXPECT_EQ(Saved(), fileBefore);
    Redo();
    EXPECT_EQ(Dump(), dumpAfter);
    EXPECT_EQ(Place(), placeAfter);
    EXPECT_EQ(Saved(), fileAfter);
  }
}

void Cut(UndoTest& t, const char* name) {
  t.Select("Work");
  t.Line(name == std::string("Clients") ? 0 : 1);
  Prompter::SetNextAnswer(Answer::Yes);
  ASSERT_TRUE(t.Do(CM_DELETESUBCATEGORY));
}

INSTANTIATE_TEST_SUITE_P(
    Undo, EveryOperation,
    ::testing::Values(
        Operation{"Add Note", [](UndoTest&) { UndoTest::AnswerNote("gamma"); }, CM_ADDNOTE},
        Operation{"Add Program", [](UndoTest&) { UndoTest::AnswerProgram("Shell", "/bin/sh"); },
                  CM_ADDPROGRAM},
        // The first of two equal notes goes behind the second: undo puts it back in front.
        Operation{"Edit Note",
                  [](UndoTest& test) {
                    test.Line(6);
                    UndoTest::AnswerNote("same", NoPrint);
                  },
                  CM_EDITNOTE},
        Operation{"Edit Note",
                  [](UndoTest& test) {
                    test.Line(5);
                    UndoTest::AnswerNote("Editor\r\n/usr/bin/vim");
                  },
                  CM_EDITNOTE},
        Operation{"Delete Note",
                  [](UndoTest& test) {
                    test.Line(7);
                    Prompter::SetNextAnswer(Answer::Ok);
                  },
                  CM_DELETENOTE},
        Operation{"Delete Note",
                  [](UndoTest& test) {
                    test.Line(5);
                    Prompter::SetNextAnswer(Answer::Ok);
                  },
                  CM_DELETENOTE},
        Operation{"Paste Note", [](UndoTest&) { UndoTest::Clipboard("pasted\ntext"); },
                  CM_EDITPASTE},
        Operation{"Paste Note", [](UndoTest&) { UndoTest::Clipboard("\\EShell\r\n/bin/sh"); },
                  CM_EDITPASTE},
        Operation{"Split Entry", [](UndoTest& test) { test.Line(2); }, CM_SPLITENTRY},
        Operation{"Split Entry", [](UndoTest& test) { test.Line(5); }, CM_SPLITENTRY},
        Operation{"Add Category", [](UndoTest&) { UndoTest::AnswerNote("Projects"); },
                  CM_ADDCATEGORY},
        Operation{"Add Subcategory", [](UndoTest&) { UndoTest::AnswerNote("Drafts", NoPrint); },
                  CM_ADDSUBCATEGORY},
        Operation{"Edit Category", [](UndoTest&) { UndoTest::AnswerNote("Job", NoPrint); },
                  CM_EDITCATEGORY},
        Operation{"Edit Subcategory",
                  [](UndoTest& test) {
                    test.Line(0);
                    UndoTest::AnswerNote("Customers");
                  },
                  CM_EDITSUBCATEGORY},
        Operation{"Delete Category", [](UndoTest&) { Prompter::SetNextAnswer(Answer::No); },
                  CM_DELETECATEGORY},
        Operation{"Cut Category", [](UndoTest&) { Prompter::SetNextAnswer(Answer::Yes); },
                  CM_DELETECATEGORY},
        Operation{"Delete Category",
                  [](UndoTest& test) {
                    test.Line(0);
                    Prompter::SetNextAnswer(Answer::No);
                  },
                  CM_DELETESUBCATEGORY},
        Operation{"Cut Category",
                  [](UndoTest& test) {
                    test.Line(1);
                    Prompter::SetNextAnswer(Answer::Yes);
                  },
                  CM_DELETESUBCATEGORY},
        Operation{"Paste Tree as Child",
                  [](UndoTest& test) {
                    Cut(test, "Clients");
                    test.Select("Home");
                  },
                  CM_PASTETREECHILD},
        // The second cut category stays cut, and pasteable, after the first one's paste.
        Operation{"Paste Tree as Child",
                  [](UndoTest& test) {
                    Cut(test, "Inbox");
                    Cut(test, "Clients");
                    test.Select("Home");
                  },
                  CM_PASTETREECHILD},
        Operation{"Paste Tree as Sibling",
                  [](UndoTest& test) {
                    Cut(test, "Inbox");
                    test.Select("Home");
                  },
                  CM_PASTETREESIBLING}),
    [](const ::testing::TestParamInfo<Operation>& param) {
      std::string name = std::to_string(param.index) + "_";
      for (const char* c = param.param.step; *c != '\0'; ++c)
        if (*c != ' ') name += *c;
      return name;
    });

TEST_F(UndoTest, UndoingDeleteCategoryNoBringsItBackWithItsNotesAndSelected) {
  StartOn(StartDocument());
  Select("Work");
  Line(4);
  Prompter::SetNextAnswer(Answer::No);
  ASSERT_TRUE(Do(CM_DELETECATEGORY));
  EXPECT_EQ(List().GetString(List().GetSelIndex()), "Work items");

  // Ctrl+Z in the note window, where the focus is.
  QTest::keyClick(&Notes(), Qt::Key_Z, Qt::ControlModifier);
  Paint();
  ASSERT_EQ(List().GetString(List().GetSelIndex()), "Work");
  EXPECT_EQ(Notes().CurrentLine(), 4);
  EXPECT_EQ(app->doc.tabs[static_cast<std::size_t>(List().SelectedCategory())].notes.Count(), 6u);
  EXPECT_TRUE(Window().EntryLine()->toPlainText().startsWith(QStringLiteral("beta")));
  EXPECT_FALSE(app->doc.modified);
}

TEST_F(UndoTest, UndoOfTheParentOfACutCategoryMakesTheCutPasteableAgain) {
  StartOn(StartDocument());
  Cut(*this, "Clients");
  Select("Work");
  Prompter::SetNextAnswer(Answer::No);
  ASSERT_TRUE(Do(CM_DELETECATEGORY));  // Clients, cut, goes with its parent
  Undo();
  EXPECT_TRUE(app->doc.cutPending);
  Select("Home");
  ASSERT_TRUE(Do(CM_PASTETREECHILD));
  Select("Clients");
  Select("Acme");
  EXPECT_EQ(app->doc.tabs[static_cast<std::size_t>(List().SelectedCategory())].notes[0].text,
            "order 42");
}

TEST_F(UndoTest, ModifiedFollowsTheSavedStateAndTheCloseQueryWithIt) {
  StartOn(StartDocument());
  Select("Home");
  AnswerNote("bread");
  ASSERT_TRUE(Do(CM_ADDNOTE));
  Saved();
  AnswerNote("eggs");
  ASSERT_TRUE(Do(CM_ADDNOTE));

  Undo();  // back at the file
  EXPECT_FALSE(app->doc.modified);
  Undo();  // behind the file
  EXPECT_TRUE(app->doc.modified);
  Redo();
  EXPECT_FALSE(app->doc.modified);
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_EQ(SaveQuestions(), 0);

  // What sets `modified` without changing anything (a name refused, a paste of a tree
  // with nothing cut) still counts as a change, and is no step.
  AnswerNote("home");
  ASSERT_TRUE(Do(CM_ADDCATEGORY));
  EXPECT_TRUE(app->doc.modified);
  Saved();
  ASSERT_TRUE(Do(CM_PASTETREECHILD));
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(Stack().index(), 1);
  EXPECT_TRUE(History().CanRedo());  // nothing was pushed over the step undone

  // New starts a history of its own.
  Prompter::SetNextAnswer(Answer::No);
  ASSERT_TRUE(Do(CM_FILENEW));
  EXPECT_FALSE(History().CanUndo());
  EXPECT_FALSE(app->Frame()->MenuAction(CM_EDITUNDO)->isEnabled());
  EXPECT_EQ(app->Frame()->MenuAction(CM_EDITUNDO)->text(), QStringLiteral("&Undo"));
}

TEST_F(UndoTest, TheLimitDropsTheOldestStep) {
  settings->Put("UndoSteps", std::uint32_t{2});
  StartOn(StartDocument());
  Select("Home");
  for (const char* note : {"one", "two", "three"}) {
    AnswerNote(note);
    ASSERT_TRUE(Do(CM_ADDNOTE));
  }
  EXPECT_EQ(Stack().count(), 2);
  Undo();
  Undo();
  EXPECT_FALSE(History().CanUndo());
  EXPECT_FALSE(Do(CM_EDITUNDO));  // Alt+Backspace's command is grey too
  const NoteList& home = app->doc.tabs[static_cast<std::size_t>(List().SelectedCategory())].notes;
  ASSERT_EQ(home.Count(), 2u);
  EXPECT_EQ(home[1].text, "one");
  EXPECT_TRUE(app->doc.modified);  // the file has no "one": the saved state is out of reach
}

TEST_F(UndoTest, KeysWorkWhereNoEditFieldHasTheFocus) {
  StartOn(StartDocument());
  Select("Home");
  const std::string before = Dump();
  AnswerNote("bread");
  ASSERT_TRUE(Do(CM_ADDNOTE));
  const std::string after = Dump();
  QAction* undo = app->Frame()->MenuAction(CM_EDITUNDO);
  QAction* redo = app->Frame()->MenuAction(CM_EDITREDO);
  EXPECT_EQ(undo->shortcut().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+Z"));
  EXPECT_EQ(redo->shortcut().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+Shift+Z"));
  EXPECT_FALSE(redo->isEnabled());

  struct Key {
    QWidget* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool undoes;
  };
  const Key keys[] = {
      {&Notes(), Qt::Key_Z, Qt::ControlModifier, true},
      {&Notes(), Qt::Key_Y, Qt::ControlModifier, false},
      {&Notes(), Qt::Key_Backspace, Qt::AltModifier, true},
      {&Notes(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, false},
      {Window().EntryLine(), Qt::Key_Z, Qt::ControlModifier, true},
      {Window().EntryLine(), Qt::Key_Y, Qt::ControlModifier, false},
      {Window().EntryLine(), Qt::Key_Backspace, Qt::AltModifier, true},
      {Window().EntryLine(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, false},
  };
  for (const Key& k : keys) {
    k.focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), k.focus);
    QTest::keyClick(k.focus, k.key, k.modifiers);
    Paint();
    EXPECT_EQ(Dump(), k.undoes ? before : after)
        << k.focus->objectName().toStdString() << " "
        << QKeySequence(k.key | k.modifiers).toString().toStdString();
  }

  // In the note dialog the keys take back the typing, not a change of the document.
  QString typed;
  ModalDialog::SetNextStep([&typed](QDialog& dialog) {
    auto& note = static_cast<TNoteDialog&>(dialog);
    note.show();
    note.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&note));
    note.Edit()->setFocus();
    QTest::keyClicks(note.Edit(), QStringLiteral("abc"));
    QTest::keyClick(note.Edit(), Qt::Key_Z, Qt::ControlModifier);
    typed = note.Edit()->toPlainText();
    return int(QDialog::Rejected);
  });
  ASSERT_TRUE(Do(CM_ADDNOTE));
  EXPECT_NE(typed, QStringLiteral("abc"));
  EXPECT_EQ(Dump(), after);
}

// A random document and random operations on it, as random clicks, lines and answers give
// them; every step undone gives back the document before it, down to the first, and every
// step redone the document after it, up to the last.
TEST_F(UndoTest, LongRandomSequencesUndoToTheStartAndRedoToTheEnd) {
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 rng(seed);
    const auto pick = [&rng](std::size_t n) {
      return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    const char* words[] = {"a",    "A",      "b",     "same",
                           "same", "x\r\ny", " lead", "\\Eprog\r\n/bin/true"};
    const auto text = [&] {
      return std::string(words[pick(std::size(words))]) + (pick(3) ? "" : "z");
    };

    Document doc;
    for (int c = 0; c < 12; ++c) {
      const TabInx parent =
          c < 3 ? NO_PARENT : static_cast<TabInx>(pick(static_cast<std::size_t>(c)));
      const TabInx index = *AppendCategory(doc.tabs, "c" + std::to_string(pick(6)), 0, parent);
      for (std::size_t n = pick(5); n > 0; --n) doc.tabs[index].notes.Add(NoteString{text(), 0});
    }
    AppendCategory(doc.tabs, "Default", 0, NO_PARENT);
    MemoryCategoryList sorter;
    SortCategories(doc, sorter);
    StartOn(doc);
    const std::string original = Saved();

    const int commands[] = {CM_ADDNOTE,         CM_ADDPROGRAM,       CM_EDITNOTE,
                            CM_DELETENOTE,      CM_EDITPASTE,        CM_SPLITENTRY,
                            CM_ADDCATEGORY,     CM_ADDSUBCATEGORY,   CM_EDITCATEGORY,
                            CM_EDITSUBCATEGORY, CM_DELETECATEGORY,   CM_DELETESUBCATEGORY,
                            CM_PASTETREECHILD,  CM_PASTETREESIBLING, CM_EDITUNDO};
    std::vector<std::string> states{Dump()};  // after each step of the history, in order
    for (int n = 0; n < 150; ++n) {
      if (List().count() > 0 && pick(2))
        List().setCurrentRow(static_cast<int>(pick(static_cast<std::size_t>(List().count()))));
      Paint();
      const NoteLines& lines = Notes().Lines();
      if (!lines.lineCategories.empty() && pick(3) == 0)
        Notes().ActivateLine(static_cast<int>(pick(lines.lineCategories.size())), false);
      Paint();
      Line(static_cast<int>(pick(static_cast<std::size_t>(Notes().Lines().lineCount) + 1)));
      const Answer answers[] = {Answer::Yes, Answer::No, Answer::Ok, Answer::Cancel};
      Prompter::SetNextAnswer(answers[pick(4)]);
      const int command = commands[pick(std::size(commands))];
      if (command == CM_ADDPROGRAM)
        AnswerProgram(QStringLiteral("p"), QStringLiteral("/bin/p"));
      else
        AnswerNote(text(), pick(4) == 0 ? NoPrint : 0);
      Clipboard(QString::fromLatin1(text()));
      const auto index = static_cast<std::size_t>(Stack().index());
      Do(command);
      ModalDialog::ResetTestHooks();
      Prompter::ResetTestHooks();
      const auto now = static_cast<std::size_t>(Stack().index());
      if (now > index) {
        // A new step: what was undone before it cannot be redone any more.
        states.resize(index + 1);
        states.push_back(Dump());
      }
      ASSERT_EQ(Dump(), states[now]) << "seed " << seed << " step " << n;
    }
    while (History().CanRedo()) Redo();  // the sequence may end on undone steps
    const std::string final = Saved();
    while (History().CanUndo()) {
      Undo();
      ASSERT_EQ(Dump(), states[static_cast<std::size_t>(Stack().index())]) << "seed " << seed;
    }
    EXPECT_EQ(Saved(), original) << "seed " << seed;
    while (History().CanRedo()) {
      Redo();
      ASSERT_EQ(Dump(), states[static_cast<std::size_t>(Stack().index())]) << "seed " << seed;
    }
    EXPECT_EQ(Saved(), final) << "seed " << seed;
  }
}

}  // namespace
}  // namespace zelto::testing
