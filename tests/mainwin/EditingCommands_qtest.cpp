// The note and category commands driven through the main window's command table, with the
// dialogs answered by a queue and the message boxes by the Prompter's test hooks.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <set>

#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "common/ProgramConfirmation.h"
#include "common/ZeltoSettings.h"
#include "mainwin/CategoryCommands.h"
#include "mainwin/NoteCommands.h"
#include "mainwin/NoteOperations.h"
#include "model/DocumentCodec.h"
#include "model/TreeOps.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/RecordingDesktopActions.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

// The note and program dialogs answered from queues; an empty queue cancels.
class QueuedDialogs : public EditDialogs {
 public:
  std::deque<std::optional<NoteString>> noteAnswers;
  std::deque<std::optional<std::string>> programAnswers;
  std::vector<std::pair<std::string, NoteString>> shown;  // caption, note as shown
  std::vector<EditedText> kinds;                          // what each dialog edited

  void Answer(std::string text, std::uint8_t flags = 0) {
    noteAnswers.push_back(NoteString{std::move(text), flags});
  }
  bool EditNote(std::string_view caption, NoteString& note, EditedText kind) override {
    shown.emplace_back(std::string(caption), note);
    kinds.push_back(kind);
    if (noteAnswers.empty() || !noteAnswers.front()) {
      if (!noteAnswers.empty()) noteAnswers.pop_front();
      return false;
    }
    note = *noteAnswers.front();
    noteAnswers.pop_front();
    return true;
  }
  std::optional<std::string> NewProgramEntry() override {
    if (programAnswers.empty()) return std::nullopt;
    auto answer = programAnswers.front();
    programAnswers.pop_front();
    return answer;
  }
};

NoteString Note(std::string text, std::uint8_t flags = 0) {
  return NoteString{std::move(text), flags};
}

std::vector<std::string> Texts(const NoteList& notes) {
  std::vector<std::string> out;
  for (const NoteString& n : notes) out.push_back(n.text);
  return out;
}

struct Editing {
  Document doc;
  MemoryCategoryList memoryList;
  TCatWindow widgetList;
  CategoryList& list;  // one of the two
  TNoteWindow notes{doc, &list};
  QueuedDialogs dialogs;
  ZeltoSettings settings;
  EditingContext context{doc, list, notes, dialogs, settings};
  RecordingDesktopActions desktop;
  QTemporaryDir scratch;
  std::set<std::string> remembered;  // the settings' memory of allowed commands
  ProgramPermissions permissions{
      {[this](const std::string& key) { return remembered.contains(key); },
       [this](const std::string& key) { remembered.insert(key); }},
      [] { return std::string("/docs/mine.zlt"); }};
  NoteCommands noteCommands{context, desktop, scratch.path(), &permissions};
  CategoryCommands categoryCommands{context};
  CommandTable table;

  // With `realList` the commands work on the category list widget.
  explicit Editing(bool realList = false)
      : list(realList ? static_cast<CategoryList&>(widgetList) : memoryList) {
    Prompter::SetTestMode(true);
    Prompter::ResetTestHooks();
    noteCommands.Register(table);
    categoryCommands.Register(table);
  }
  TabInx Category(const std::string& name, TabInx parent = NO_PARENT) {
    return *AppendCategory(doc.tabs, name, 0, parent);
  }
  // Shows the level of `category` in the list with it selected, from the first line.
  void Select(TabInx category) {
    FillLevel(doc.tabs, doc.tabs[category].parent, list);
    for (int pos = 0; pos < list.GetCount(); ++pos)
      if (list.GetItemData(pos) == category) list.SetSelIndex(pos);
    context.ShowSelectionFromTop();
  }
  NoteList& NotesOf(TabInx category) { return doc.tabs[category].notes; }
  // The category with this name (the table is reordered by sorts).
  TabInx Named(const std::string& name) const {
    for (std::size_t i = 0; i < doc.tabs.Count(); ++i)
      if (doc.tabs[i].text == name) return static_cast<TabInx>(i);
    return NO_PARENT;
  }
  QString LastMessage() const {
    return Prompter::History().empty() ? QString() : Prompter::History().back().text;
  }
};

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }
void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace

class EditingCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void addedNotesStandAtTheirSortedPlaceAndBecomeCurrent() {
    Editing e;
    const TabInx work = e.Category("Work");
    e.NotesOf(work).Add(Note("b"));
    e.NotesOf(work).Add(Note("d"));
    e.Select(work);

    e.dialogs.Answer("C", NoPrint);
    e.table.DoCommand(CM_ADDNOTE);
    QCOMPARE(e.dialogs.shown.back().first, std::string("Add entry"));
    QCOMPARE(e.dialogs.kinds.back(), EditedText::Note);
    QCOMPARE(Texts(e.NotesOf(work)), (std::vector<std::string>{"b", "C", "d"}));
    QCOMPARE(e.NotesOf(work)[1].flags, NoPrint);
    QCOMPARE(e.notes.Lines().addedNote, 1);
    QCOMPARE(e.notes.CurrentLine(), 1);
    QVERIFY(e.doc.modified);

    // Cancel adds nothing and leaves the document unchanged.
    e.doc.modified = false;
    e.table.DoCommand(CM_ADDNOTE);
    QCOMPARE(e.NotesOf(work).Count(), std::size_t{3});
    QVERIFY(!e.doc.modified);

    // A program entry is of kind Program and not selected.
    e.dialogs.programAnswers.push_back(std::string("Editor\r\n/usr/bin/ed -p x"));
    e.table.DoCommand(CM_ADDPROGRAM);
    QCOMPARE(e.NotesOf(work)[3].text, std::string("Editor\r\n/usr/bin/ed -p x"));
    QCOMPARE(e.NotesOf(work)[3].flags, std::uint8_t{1});
    QVERIFY(!e.notes.Lines().showAddedNote);
    QCOMPARE(e.notes.CurrentLine(), 1);
  }

  void editedNoteMovesAndKeepsItsKind() {
    Editing e;
    const TabInx work = e.Category("Work");
    e.NotesOf(work).Add(Note("alpha\r\n/bin/true", 1));
    e.NotesOf(work).Add(Note("beta"));
    e.NotesOf(work).Add(Note("gamma"));
    e.Select(work);
    e.notes.SetCurrentLine(0);  // "alpha", a program entry
    QVERIFY(*e.table.Enabled(CM_EDITNOTE));
    e.dialogs.Answer("zeta\r\n/bin/true", 1);
    e.table.DoCommand(CM_EDITNOTE);
    QCOMPARE(e.dialogs.shown.back().first, std::string("Edit entry"));
    QCOMPARE(e.dialogs.shown.back().second.text, std::string("alpha\r\n/bin/true"));
    QCOMPARE(Texts(e.NotesOf(work)),
             (std::vector<std::string>{"beta", "gamma", "zeta\r\n/bin/true"}));
    QCOMPARE(e.NotesOf(work)[2].flags, std::uint8_t{1});
    QCOMPARE(e.notes.Lines().addedNote, 2);

    // Not on a note line: the end line offers no note to edit.
    e.notes.SetCurrentLine(3);
    QVERIFY(!*e.table.Enabled(CM_EDITNOTE));
    e.table.DoCommand(CM_EDITNOTE);
    QCOMPARE(e.dialogs.shown.size(), std::size_t{1});
  }

  void clipboardCarriesProgramEntriesAndPasteRules() {
    Editing e;
    const TabInx work = e.Category("Work");
    const TabInx other = e.Category("Other");
    e.NotesOf(work).Add(Note("Shell\r\n/bin/sh -i", 1));
    e.Select(work);
    e.table.DoCommand(CM_EDITCOPY);
    QCOMPARE(ClipboardText(), QStringLiteral("\\EShell\r\n/bin/sh -i"));

    e.Select(other);
    QVERIFY(*e.table.Enabled(CM_EDITPASTE));
    e.table.DoCommand(CM_EDITPASTE);
    QCOMPARE(e.NotesOf(other)[0].text, std::string("Shell\r\n/bin/sh -i"));
    QCOMPARE(e.NotesOf(other)[0].flags, std::uint8_t{1});
    QCOMPARE(e.notes.Lines().addedNote, 0);
    QVERIFY(e.doc.modified);

    const std::vector<std::pair<QString, std::string>> rules = {
        {QStringLiteral("\\Xabc"), "abc"},
        {QStringLiteral("\\E"), "\\E"},
        {QStringLiteral("\\"), "\\"},
        {QStringLiteral("\\eabc"), "abc"},
        {QStringLiteral("one\ntwo\r\nthree"), "one\r\ntwo\r\nthree"},
        {QStringLiteral("caf\u00e9 \u20ac"), "caf\xe9 \x80"},
    };
    for (const auto& [clip, stored] : rules) {
      NoteList& notes = e.NotesOf(other);
      notes.Clear();
      SetClipboard(clip);
      e.table.DoCommand(CM_EDITPASTE);
      QCOMPARE(notes.Count(), std::size_t{1});
      QCOMPARE(notes[0].text, stored);
      QCOMPARE(notes[0].flags, std::uint8_t{0});
    }

    // A character the code page cannot hold is refused as the dialogs refuse it.
    e.NotesOf(other).Clear();
    SetClipboard(QStringLiteral("price \u20ac, \u4e2d"));
    e.table.DoCommand(CM_EDITPASTE);
    QVERIFY(e.NotesOf(other).Empty());
    QCOMPARE(e.LastMessage(), Cp1252::RefusalMessage(QStringLiteral("\u4e2d")));

    // Nothing to paste: no text on the clipboard, or no category selected.
    QGuiApplication::clipboard()->clear();
    QVERIFY(!*e.table.Enabled(CM_EDITPASTE));
    SetClipboard(QStringLiteral("x"));
    e.list.SetSelIndex(CategoryList::None);
    QVERIFY(!*e.table.Enabled(CM_EDITPASTE));
    e.table.DoCommand(CM_EDITPASTE);
    QVERIFY(e.NotesOf(other).Empty() && e.NotesOf(work).Count() == 1);
  }

  void deleteAsksWithThirtyCharactersAndKeepsTheWholeNote() {
    Editing e;
    const TabInx work = e.Category("Work");
    const std::string text = "0123456789abcdefghijklmnopqrstuvwxyz and more";
    e.NotesOf(work).Add(Note(text));
    e.Select(work);

    Prompter::SetNextAnswer(Prompter::Answer::Cancel);
    e.table.DoCommand(CM_DELETENOTE);
    QCOMPARE(e.NotesOf(work).Count(), std::size_t{1});
    QVERIFY(!e.doc.modified);

    SetClipboard(QStringLiteral("old"));
    Prompter::SetNextAnswer(Prompter::Answer::Ok);
    e.table.DoCommand(CM_DELETENOTE);
    const Prompter::Asked& asked = Prompter::History().back();
    QCOMPARE(asked.text, QStringLiteral("Delete note \"0123456789abcdefghijklmnopqrst\"...?"));
    QCOMPARE(asked.caption, QStringLiteral("Brindamor"));
    QCOMPARE(asked.buttons, Prompter::Buttons::OkCancel);
    QVERIFY(e.NotesOf(work).Empty());
    QCOMPARE(ClipboardText(), QString::fromStdString(text));
    QVERIFY(e.doc.modified);
  }

  void splitGivesOneTextNotePerLine() {
    Editing e;
    const TabInx work = e.Category("Work");
    e.NotesOf(work).Add(Note("  one\r\n\r\n two  \r\nthree", 1 | NoPrint));
    e.NotesOf(work).Add(Note("   \r\n\t"));
    e.Select(work);
    e.notes.SetCurrentLine(1);  // the blank note sorts first
    e.table.DoCommand(CM_SPLITENTRY);
    QCOMPARE(Texts(e.NotesOf(work)),
             (std::vector<std::string>{"   \r\n\t", "one", "three", "two  "}));
    for (std::size_t i = 1; i < 4; ++i) QCOMPARE(e.NotesOf(work)[i].flags, std::uint8_t{0});
    QCOMPARE(e.notes.Lines().addedNote, 1);

    // A note of white space only goes, and nothing takes its place.
    e.notes.Lines().showAddedNote = false;
    e.notes.SetCurrentLine(0);
    e.table.DoCommand(CM_SPLITENTRY);
    QCOMPARE(Texts(e.NotesOf(work)), (std::vector<std::string>{"one", "three", "two  "}));
    QVERIFY(!e.notes.Lines().showAddedNote);
  }

  void viewInNotepadWritesTheScratchFileAndSaysWhatFailed() {
    Editing e;
    const TabInx work = e.Category("Work");
    const std::string text = std::string("caf\xe9\r\nline two");
    e.NotesOf(work).Add(Note(text));
    e.Select(work);
    e.settings.NotePad = "editor --new-window";
    e.table.DoCommand(CM_VIEWNOTEPAD);
    const QString path = e.scratch.filePath(QStringLiteral("zelto.tmp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray::fromStdString(text));
    QCOMPARE(e.desktop.started.size(), std::size_t{1});
    QCOMPARE(e.desktop.started[0].program, QStringLiteral("editor"));
    QCOMPARE(e.desktop.started[0].arguments, (QStringList{QStringLiteral("--new-window"), path}));
    QVERIFY(Prompter::History().empty());

    // The editor does not start: the message names it (through its reason) and the file.
    e.desktop.answer =
        ActionOutcome::Failed(QStringLiteral("The program \"editor\" did not start"));
    e.table.DoCommand(CM_VIEWNOTEPAD);
    QVERIFY(e.LastMessage().contains(QStringLiteral("\"editor\"")));
    QVERIFY(e.LastMessage().contains(QDir::toNativeSeparators(path)));

    // The scratch file cannot be written: the message names it and nothing is started.
    Prompter::ResetTestHooks();
    e.desktop.started.clear();
    QVERIFY(QDir(e.scratch.path()).mkdir(QStringLiteral("sub")));
    QFile::remove(path);
    QVERIFY(QDir(e.scratch.path()).mkdir(QStringLiteral("zelto.tmp")));  // a folder in the way
    e.table.DoCommand(CM_VIEWNOTEPAD);
    QVERIFY(e.LastMessage().contains(QDir::toNativeSeparators(path)));
    QVERIFY(e.desktop.started.empty());
  }

  void programEntriesTypedHereRunWithoutAQuestionPastedOnesDoNot() {
    Editing e;
    const TabInx work = e.Category("Work");
    e.Select(work);
    e.dialogs.programAnswers.push_back(std::string("Typed\r\n/usr/bin/true typed"));
    e.table.DoCommand(CM_ADDPROGRAM);
    QVERIFY(e.permissions.IsAllowed("/usr/bin/true typed"));

    SetClipboard(QStringLiteral("\\EPasted\r\n/usr/bin/evil"));
    e.table.DoCommand(CM_EDITPASTE);
    QVERIFY(!e.permissions.IsAllowed("/usr/bin/evil"));

    // Editing only the description keeps the question; a command typed anew drops it.
    const auto pasted = [&e] {
      for (std::size_t i = 0; i < e.NotesOf(e.Named("Work")).Count(); ++i)
        if (e.NotesOf(e.Named("Work"))[i].text.find("evil") != std::string::npos) return i;
      return std::size_t{0};
    };
    e.notes.SetCurrentLine(static_cast<int>(pasted()));
    e.dialogs.Answer("Renamed\r\n/usr/bin/evil", 1);
    e.table.DoCommand(CM_EDITNOTE);
    QVERIFY(!e.permissions.IsAllowed("/usr/bin/evil"));
    e.notes.SetCurrentLine(static_cast<int>(pasted()));
    e.dialogs.Answer("Renamed\r\n/usr/bin/evil --safe", 1);
    e.table.DoCommand(CM_EDITNOTE);
    QVERIFY(e.permissions.IsAllowed("/usr/bin/evil --safe"));
  }

  void theScratchFileIsPrivateAndALinkInTheCurrentFolderIsLeftAlone() {
    QTemporaryDir runtime, current, elsewhere;
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
    QFile v(victim);
    QVERIFY(v.open(QIODevice::WriteOnly));
    v.write("keep me");
    v.close();
    QVERIFY(QFile::link(victim, current.filePath(QStringLiteral("zelto.tmp"))));
    const QString before = QDir::currentPath();
    QDir::setCurrent(current.path());

    Editing e;
    NoteCommands privateScratch{e.context, e.desktop};  // the folder of a real run
    CommandTable table;
    privateScratch.Register(table);
    const TabInx work = e.Category("Work");
    e.NotesOf(work).Add(Note("secret note"));
    e.Select(work);
    e.settings.NotePad = "editor";
    table.DoCommand(CM_VIEWNOTEPAD);
    QDir::setCurrent(before);

    QVERIFY(v.open(QIODevice::ReadOnly));
    QCOMPARE(v.readAll(), QByteArray("keep me"));
    QCOMPARE(e.desktop.started.size(), std::size_t{1});
    const QString handed = e.desktop.started[0].arguments.last();
    QCOMPARE(QFileInfo(handed).absolutePath(), runtime.filePath(QStringLiteral("Zelto")));
    QFile scratch(handed);
    QVERIFY(scratch.open(QIODevice::ReadOnly));
    QCOMPARE(scratch.readAll(), QByteArray("secret note"));
    namespace fs = std::filesystem;
    QCOMPARE(fs::status(handed.toStdString()).permissions(),
             fs::perms::owner_read | fs::perms::owner_write);
    QCOMPARE(fs::status(runtime.filePath(QStringLiteral("Zelto")).toStdString()).permissions(),
             fs::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
  }

  void namesAreUniqueAmongSiblings() {
    Editing e;
    const TabInx work = e.Category("Work");
    e.Select(work);
    const QString exists = QStringLiteral("Category already in list!");

    e.dialogs.Answer("work");
    e.table.DoCommand(CM_ADDCATEGORY);
    QCOMPARE(e.LastMessage(), exists);
    QCOMPARE(Prompter::History().back().caption, QString::fromLatin1(ApplicationName));
    QCOMPARE(e.doc.tabs.Count(), std::size_t{1});

    e.dialogs.Answer("Work");
    e.table.DoCommand(CM_ADDSUBCATEGORY);  // a child may share its parent's name
    QCOMPARE(e.doc.tabs.Count(), std::size_t{2});
    QCOMPARE(e.doc.tabs[1].parent, work);
    QCOMPARE(e.dialogs.shown.back().first, std::string("Add subcategory"));

    // A cut child still holds its name; a cut sibling, not listed, does not.
    e.doc.tabs[1].state = TabState::Cut;
    Prompter::ResetTestHooks();
    e.dialogs.Answer("WORK");
    e.table.DoCommand(CM_ADDSUBCATEGORY);
    QCOMPARE(e.LastMessage(), exists);
    QCOMPARE(e.doc.tabs.Count(), std::size_t{2});

    const TabInx home = e.Category("Home");
    e.doc.tabs[home].state = TabState::Cut;
    e.Select(work);
    e.dialogs.Answer("home", NoPrint);
    e.table.DoCommand(CM_ADDCATEGORY);
    QCOMPARE(e.doc.tabs.Count(), std::size_t{4});
    QCOMPARE(e.doc.tabs[3].flags, NoPrint);
    QCOMPARE(e.list.SelectedCategory(), 3);  // the new category is listed and selected
    QCOMPARE(e.notes.Lines().currentCategory, 3);

    // Renaming is not checked: both names then stand in the list.
    e.Select(work);
    e.dialogs.Answer("home");
    e.table.DoCommand(CM_EDITCATEGORY);
    QCOMPARE(e.list.GetCount(), 2);
    QCOMPARE(e.list.GetString(0), std::string("home"));
    QCOMPARE(e.list.GetString(1), std::string("home"));
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(work));
    // Every category dialog edits a one-line name.
    QCOMPARE(std::count(e.dialogs.kinds.begin(), e.dialogs.kinds.end(), EditedText::CategoryName),
             std::ptrdiff_t(e.dialogs.kinds.size()));
  }

  void renamingACategoryThatASearchListedKeepsTheLevelAsListed() {
    Editing e(true);
    const TabInx keep = e.Category("Keep");
    const TabInx gone = e.Category("Gone");
    const TabInx also = e.Category("Also gone");
    e.NotesOf(gone).Add(Note("found here"));
    e.doc.tabs[gone].state = TabState::Cut;
    e.doc.tabs[also].state = TabState::Cut;
    // A search lists the level of its hit, cut categories included, with the hit selected.
    for (TabInx c : {keep, gone, also}) e.list.SetItemData(e.list.AddString(e.doc.tabs[c].text), c);
    e.list.SetSelIndex(e.list.FindStringExact("Gone"));
    e.context.RefreshNoteWindow();

    e.dialogs.Answer("Renamed");
    e.table.DoCommand(CM_EDITCATEGORY);
    QCOMPARE(e.doc.tabs[gone].text, std::string("Renamed"));
    QCOMPARE(e.list.GetCount(), 3);
    QCOMPARE(e.list.FindStringExact("Also gone"), 0);
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(gone));
    QCOMPARE(e.list.GetString(e.list.GetSelIndex()), std::string("Renamed"));
    QCOMPARE(e.notes.Lines().currentCategory, static_cast<int>(gone));
    QVERIFY(e.notes.Lines().shown);
  }

  void editingTheCategoryOfALineChangesOnlyItsName() {
    Editing e;
    const TabInx work = e.Category("Work");
    const TabInx child = e.Category("Child", work);
    e.doc.tabs[child].flags = NoPrint;
    e.Select(work);
    e.notes.SetCurrentLine(0);
    QVERIFY(*e.table.Enabled(CM_EDITSUBCATEGORY));
    e.dialogs.Answer("Kid", 0);
    e.table.DoCommand(CM_EDITSUBCATEGORY);
    QCOMPARE(e.dialogs.shown.back().second.flags, std::uint8_t{0});
    QCOMPARE(e.dialogs.kinds.back(), EditedText::CategoryName);
    QCOMPARE(e.doc.tabs[child].text, std::string("Kid"));
    QCOMPARE(e.doc.tabs[child].flags, NoPrint);
  }

  void deleteAnswersCutDeleteOrKeep() {
    Editing e;
    const TabInx work = e.Category("Work");
    const TabInx items = e.Category("Work items");
    const TabInx sub = e.Category("Sub", work);
    e.Category("Deep", sub);
    e.NotesOf(sub).Add(Note("note in sub"));
    e.Select(work);

    Prompter::SetNextAnswer(Prompter::Answer::Cancel);
    e.table.DoCommand(CM_DELETECATEGORY);
    QCOMPARE(Prompter::History().back().text,
             QStringLiteral("Save category Work and children for later paste?"));
    QCOMPARE(Prompter::History().back().buttons, Prompter::Buttons::YesNoCancel);
    QCOMPARE(e.doc.tabs.Count(), std::size_t{4});
    QVERIFY(!e.doc.modified);

    // No: the subtree of the line's category goes with its notes; Work stays current.
    e.notes.SetCurrentLine(0);
    Prompter::SetNextAnswer(Prompter::Answer::No);
    e.table.DoCommand(CM_DELETESUBCATEGORY);
    QCOMPARE(e.doc.tabs.Count(), std::size_t{2});
    QCOMPARE(e.Named("Sub"), NO_PARENT);
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(e.Named("Work")));
    QVERIFY(e.doc.modified);

    // No on the current category: the sibling whose name begins with it is selected.
    Prompter::SetNextAnswer(Prompter::Answer::No);
    e.table.DoCommand(CM_DELETECATEGORY);
    QCOMPARE(e.doc.tabs.Count(), std::size_t{1});
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(e.Named("Work items")));
    QCOMPARE(e.notes.Lines().currentCategory, static_cast<int>(e.Named("Work items")));
    Q_UNUSED(items);

    // Yes: cut and waiting; no sibling to take its place leaves no selection, and every
    // command that needs a current category is off and does nothing.
    Prompter::SetNextAnswer(Prompter::Answer::Yes);
    e.table.DoCommand(CM_DELETECATEGORY);
    QVERIFY(e.doc.cutPending);
    QCOMPARE(e.doc.tabs[0].state, TabState::Cut);
    QCOMPARE(e.list.SelectedCategory(), CategoryList::None);
    for (int id : {CM_ADDNOTE, CM_ADDPROGRAM, CM_ADDCATEGORY, CM_ADDSUBCATEGORY, CM_EDITCATEGORY,
                   CM_DELETECATEGORY, CM_EDITPASTE, CM_PASTETREECHILD, CM_PASTETREESIBLING}) {
      QVERIFY2(!*e.table.Enabled(id), qPrintable(QString::number(id)));
      e.table.DoCommand(id);
    }
    QCOMPARE(e.doc.tabs.Count(), std::size_t{1});
    QVERIFY(e.doc.cutPending);
  }

  void deletingTheParentOfTheListedLevelListsTheLevelItWasOn() {
    Editing e;
    const TabInx pa = e.Category("Pa");
    e.Category("Other");
    e.Category("Pablo");
    const TabInx c = e.Category("C", pa);
    e.Category("D", pa);
    e.Select(c);
    e.notes.SetCurrentLine(0);  // the up-arrow line stands for Pa
    Prompter::SetNextAnswer(Prompter::Answer::No);
    e.table.DoCommand(CM_DELETESUBCATEGORY);
    QCOMPARE(e.Named("Pa"), NO_PARENT);
    QCOMPARE(e.Named("C"), NO_PARENT);
    // The top level is listed; the first name that begins with "Pa" is selected and shown.
    QCOMPARE(e.list.GetCount(), 2);
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(e.Named("Pablo")));
    QCOMPARE(e.notes.Lines().currentCategory, static_cast<int>(e.Named("Pablo")));
    QVERIFY(*e.table.Enabled(CM_ADDCATEGORY));

    // No name matches: the level is listed without a selection, ready for a click.
    const TabInx x = e.Category("X", e.Named("Other"));
    e.Select(x);
    e.notes.SetCurrentLine(0);
    Prompter::SetNextAnswer(Prompter::Answer::No);
    e.table.DoCommand(CM_DELETESUBCATEGORY);
    QCOMPARE(e.list.GetCount(), 1);
    QCOMPARE(e.list.GetString(0), std::string("Pablo"));
    QCOMPARE(e.list.SelectedCategory(), CategoryList::None);
  }

  void cutTreeIsLeftOutOfTheFileAndPastedAsChildOrSibling() {
    Editing e;
    const TabInx a = e.Category("A");
    const TabInx b = e.Category("B");
    const TabInx a1 = e.Category("A1", a);
    e.NotesOf(a1).Add(Note("kept"));
    const TabInx a2 = e.Category("A2", a1);
    Q_UNUSED(a2);
    e.Select(a);

    Prompter::SetNextAnswer(Prompter::Answer::Yes);
    e.notes.SetCurrentLine(0);  // the A1 line
    e.table.DoCommand(CM_DELETESUBCATEGORY);
    const std::string saved = EncodeDocument(e.doc.tabs, FileLayout::V101);
    const DecodedDocument back = DecodeDocument(saved);
    QCOMPARE(back.tabs.Count(), std::size_t{2});  // A and B only
    QVERIFY(e.doc.cutPending);

    // As a child of B: the whole subtree with its notes hangs under B.
    e.Select(e.Named("B"));
    e.table.DoCommand(CM_PASTETREECHILD);
    QVERIFY(!e.doc.cutPending);
    QCOMPARE(e.doc.tabs[e.Named("A1")].parent, e.Named("B"));
    QCOMPARE(e.doc.tabs[e.Named("A2")].parent, e.Named("A1"));
    QCOMPARE(e.NotesOf(e.Named("A1"))[0].text, std::string("kept"));
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(e.Named("B")));

    // As a sibling of a top-level category: it becomes top level itself.
    e.Select(e.Named("A1"));
    Prompter::SetNextAnswer(Prompter::Answer::Yes);
    e.table.DoCommand(CM_DELETECATEGORY);
    e.Select(e.Named("A"));
    e.table.DoCommand(CM_PASTETREESIBLING);
    QCOMPARE(e.doc.tabs[e.Named("A1")].parent, NO_PARENT);
    QCOMPARE(e.doc.tabs[e.Named("A1")].state, TabState::Normal);
    QCOMPARE(e.list.GetCount(), 3);
    Q_UNUSED(b);
  }

  void pasteInsideItselfIsRefused() {
    Editing e;
    const TabInx a = e.Category("A");
    const TabInx a1 = e.Category("A1", a);
    e.Select(a);
    e.doc.tabs[a].state = TabState::Cut;
    e.doc.cutPending = true;
    // A search can make a category of the cut subtree current.
    FillLevel(e.doc.tabs, a, e.list);
    e.list.SetSelIndex(0);
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(a1));
    for (int id : {CM_PASTETREECHILD, CM_PASTETREESIBLING}) {
      Prompter::ResetTestHooks();
      e.table.DoCommand(id);
      QCOMPARE(e.LastMessage(), QStringLiteral("A category cannot be pasted inside itself."));
      QCOMPARE(e.doc.tabs[a].state, TabState::Cut);
      QCOMPARE(e.doc.tabs[a1].parent, a);
      QVERIFY(e.doc.cutPending);
    }
  }

  void defaultCategoryIsProtectedOnlyAtTopLevel() {
    Editing e;
    e.settings.DefaultCat = "Default";
    const TabInx top = e.Category("default");
    const TabInx other = e.Category("Other");
    const TabInx child = e.Category("Default", other);
    e.Category("Below", top);
    e.Select(top);
    QVERIFY(!*e.table.Enabled(CM_DELETECATEGORY));
    e.table.DoCommand(CM_DELETECATEGORY);
    QVERIFY(Prompter::History().empty());

    // Nor through the up-arrow line of one of its children.
    e.Select(e.Named("Below"));
    e.notes.SetCurrentLine(0);
    QVERIFY(!*e.table.Enabled(CM_DELETESUBCATEGORY));
    e.table.DoCommand(CM_DELETESUBCATEGORY);
    QVERIFY(Prompter::History().empty());
    QCOMPARE(e.doc.tabs.Count(), std::size_t{4});

    e.Select(child);
    QVERIFY(*e.table.Enabled(CM_DELETECATEGORY));
    Prompter::SetNextAnswer(Prompter::Answer::No);
    e.table.DoCommand(CM_DELETECATEGORY);
    QCOMPARE(e.Named("Default"), NO_PARENT);
    // The emptied level gives way to its parent's, with the parent selected.
    QCOMPARE(e.list.SelectedCategory(), static_cast<int>(e.Named("Other")));
  }
};

}  // namespace zelto

QTEST_MAIN(zelto::EditingCommandsTest)
#include "EditingCommands_qtest.moc"
