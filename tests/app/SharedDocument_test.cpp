// A document whose file other programs change or hold open: changes on disk loaded or asked
// about, saves that never write over an unseen version, and one writer at a time.
#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <filesystem>

#include "AppFixture.h"
#include "app/DocumentSharing.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "mainwin/TZeltoWindow.h"
#include "model/DocumentCodec.h"
#include "model/RecoveryCopy.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto::testing {
namespace {

using Kind = Prompter::Asked::Kind;
using Notes = std::vector<std::string>;

// The buttons of the question about a changed file, in order.
enum Choice { Reload, SaveOver, SaveAs, Cancel };

class SharedDocumentTest : public AppFixture {
 protected:
  // "Default"; "Work" with the subcategory "Clients" holding `clientNotes`.
  static std::string DocumentWith(const Notes& clientNotes) {
    TabList tabs;
    tabs.Append(Tab("Default", 0, NO_PARENT));
    tabs.Append(Tab("Work", 0, NO_PARENT));
    tabs.Append(Tab("Clients", 0, 1));
    for (const std::string& note : clientNotes) tabs[2].notes.Add(NoteString{note, 0});
    return EncodeDocument(tabs, FileLayout::V101);
  }
  // Another program (a sync service) replaces the file by renaming its copy over it.
  void ReplaceByRename(const std::string& path, const std::string& bytes) {
    WriteFile(path + ".tmp", bytes);
    std::filesystem::rename(path + ".tmp", path);
  }
  void StartOn(const Notes& clientNotes) {
    WriteFile(Path("start.zlt"), DocumentWith(clientNotes));
    Start();
  }
  Notes ClientNotes() const {
    Notes notes;
    for (const Tab& tab : app->doc.tabs)
      if (tab.text == "Clients")
        for (const NoteString& note : tab.notes) notes.push_back(note.text);
    return notes;
  }
  Notes ClientNotesInFile(const std::string& path) const {
    Notes notes;
    for (const Tab& tab : DecodeDocument(ReadFile(path)).tabs)
      if (tab.text == "Clients")
        for (const NoteString& note : tab.notes) notes.push_back(note.text);
    return notes;
  }
  void AddClientNote(const std::string& note) {
    for (Tab& tab : app->doc.tabs)
      if (tab.text == "Clients") tab.notes.Add(NoteString{note, 0});
    app->doc.modified = true;
  }
  TNoteWindow& NoteView() const { return *app->MainWindow()->NoteView(); }
  CategoryList& CatList() const { return *app->CatList(); }
  std::string SelectedName() const {
    const int shown = CatList().SelectedCategory();
    return shown < 0 ? std::string() : app->doc.tabs[static_cast<std::size_t>(shown)].text;
  }
  QString Status() const { return app->Frame()->statusBar()->currentMessage(); }
  static int ChangeQuestions() {
    int n = 0;
    for (const Prompter::Asked& a : Prompter::History())
      if (a.kind == Kind::Question && a.text.contains("changed on disk")) ++n;
    return n;
  }
  QStringList SetAsideCopies() const {
    return QDir(dir.filePath("recovery")).entryList({QStringLiteral("*set-aside*")}, QDir::Files);
  }
};

TEST_F(SharedDocumentTest, WithoutUnsavedChangesAChangeOnDiskIsLoadedWhereTheWindowStood) {
  StartOn({"alpha", "beta", "gamma"});
  // The list shows the level under "Work", "Clients" is shown, the current line is "beta"
  // (line 0 is the up-arrow line).
  const auto work = static_cast<TabInx>(1);
  NoteView().FillCategoryList(work, 2);
  NoteView().SetCurrentLine(2);
  ASSERT_EQ(SelectedName(), "Clients");

  // Written in place, then replaced by a rename, as sync services do: both are noticed.
  WriteFile(Path("start.zlt"), DocumentWith({"aardvark", "alpha", "beta", "gamma"}));
  ASSERT_TRUE(WaitFor([this] { return ClientNotes().size() == 4; }, 5000));
  EXPECT_EQ(CatList().GetCount(), 1);
  EXPECT_EQ(SelectedName(), "Clients");
  EXPECT_EQ(NoteView().CurrentLine(), 3);  // still "beta", one line lower
  EXPECT_FALSE(app->doc.modified);
  EXPECT_TRUE(Status().contains("loaded again")) << Status().toStdString();

  ReplaceByRename(Path("start.zlt"), DocumentWith({"beta", "gamma"}));
  ASSERT_TRUE(WaitFor([this] { return ClientNotes().size() == 2; }, 5000));
  EXPECT_EQ(SelectedName(), "Clients");
  EXPECT_EQ(NoteView().CurrentLine(), 1);
  EXPECT_TRUE(Prompter::History().empty());  // nothing was asked

  // The program's own saves are no outside change.
  AddClientNote("mine");
  app->CmFileSave();
  WaitFor([] { return false; }, 800);
  EXPECT_EQ(ClientNotes(), (Notes{"beta", "gamma", "mine"}));
  EXPECT_TRUE(Prompter::History().empty());
}

TEST_F(SharedDocumentTest, WithUnsavedChangesEachAnswerDoesWhatItSays) {
  for (const Choice choice : {Reload, SaveOver, SaveAs, Cancel}) {
    SCOPED_TRACE(choice);
    StartOn({"shared"});
    AddClientNote("mine");
    ReplaceByRename(Path("start.zlt"), DocumentWith({"shared", "theirs"}));
    Prompter::SetNextChoice(choice);
    if (choice == SaveAs) Prompter::SetNextFileName(dir.filePath("mine.zlt"));
    app->CheckDocumentOnDisk();
    ASSERT_EQ(ChangeQuestions(), 1);
    EXPECT_EQ(Prompter::History()[0].choices,
              (QStringList{"&Reload", "Save &Over It", "Save &As...", "Cancel"}));

    switch (choice) {
      case Reload: {
        EXPECT_EQ(ClientNotes(), (Notes{"shared", "theirs"}));
        EXPECT_FALSE(app->doc.modified);
        // No restore question; a message names the copy of the unsaved changes.
        ASSERT_EQ(Prompter::History().size(), 2u);
        EXPECT_EQ(Prompter::History()[1].kind, Kind::Message);
        // The unsaved changes are kept aside, where no save or later copy replaces them.
        ASSERT_EQ(SetAsideCopies().size(), 1);
        const std::string copy = ReadFile(Path("recovery/") + SetAsideCopies()[0].toStdString());
        const auto content = DecodeRecoveryCopy(copy);
        ASSERT_TRUE(content);
        EXPECT_EQ(DecodeDocument(content->documentBytes).tabs[2].notes.Count(), 2u);
        EXPECT_TRUE(Prompter::History()[1].text.contains(SetAsideCopies()[0]));
        break;
      }
      case SaveOver:
        EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), (Notes{"mine", "shared"}));
        EXPECT_EQ(ClientNotesInFile(Path("start.BAK")), (Notes{"shared", "theirs"}));
        EXPECT_FALSE(app->doc.modified);
        break;
      case SaveAs:
        EXPECT_EQ(ClientNotesInFile(Path("mine.zlt")), (Notes{"mine", "shared"}));
        EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), (Notes{"shared", "theirs"}));
        EXPECT_EQ(app->fileData.fileName, Path("mine.zlt"));
        EXPECT_FALSE(Exists(Path(".start.zlt.lock")));  // the lock went with the document
        EXPECT_TRUE(Exists(Path(".mine.zlt.lock")));
        break;
      case Cancel:
        EXPECT_EQ(ClientNotes(), (Notes{"mine", "shared"}));
        EXPECT_TRUE(app->doc.modified);
        EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), (Notes{"shared", "theirs"}));
        // Not asked again about the same version; the next save asks.
        app->CheckDocumentOnDisk();
        EXPECT_EQ(ChangeQuestions(), 1);
        Prompter::SetNextChoice(Cancel);
        app->CmFileSave();
        EXPECT_EQ(ChangeQuestions(), 2);
        EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), (Notes{"shared", "theirs"}));
        break;
    }
    std::filesystem::remove_all(dir.filePath("recovery").toStdString());
    std::filesystem::remove(Path("start.BAK"));
    Prompter::ResetTestHooks();
  }
}

TEST_F(SharedDocumentTest, ASaveAfterAnOutsideChangeAsksAndWritesNothingUntilAnswered) {
  StartOn({"shared"});
  AddClientNote("mine");
  // The same size and content as before, renamed over it: only its identity tells.
  const std::string theirs = DocumentWith({"shared"});
  ReplaceByRename(Path("start.zlt"), theirs);
  Prompter::SetNextChoice(Cancel);
  app->CmFileSave();
  EXPECT_EQ(ChangeQuestions(), 1);
  EXPECT_EQ(ReadFile(Path("start.zlt")), theirs);
  EXPECT_FALSE(Exists(Path("start.BAK")));
  EXPECT_TRUE(app->doc.modified);

  // Exit's "File has changed.  Save?" answered Yes leads to the same question; Cancel there
  // keeps the program open.
  Prompter::SetNextAnswer(Prompter::Answer::Yes);
  Prompter::SetNextChoice(Cancel);
  EXPECT_FALSE(app->CloseQuery());
  EXPECT_EQ(SaveQuestions(), 1);
  EXPECT_EQ(ChangeQuestions(), 2);
  EXPECT_EQ(ReadFile(Path("start.zlt")), theirs);

  // Saving over it writes, and the next save asks nothing.
  Prompter::SetNextChoice(SaveOver);
  app->CmFileSave();
  EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), (Notes{"mine", "shared"}));
  AddClientNote("more");
  app->CmFileSave();
  EXPECT_EQ(ChangeQuestions(), 3);
  EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), (Notes{"mine", "more", "shared"}));
}

TEST_F(SharedDocumentTest, TheLockGoesWithTheDocument) {
  StartOn({"shared"});
  EXPECT_TRUE(Exists(Path(".start.zlt.lock")));
  app->CmFileNew();
  EXPECT_FALSE(Exists(Path(".start.zlt.lock")));
  WriteFile(Path("other.zlt"), DocumentWith({}));
  Prompter::SetNextFileName(dir.filePath("start.zlt"));
  app->CmFileOpen();
  EXPECT_TRUE(Exists(Path(".start.zlt.lock")));
  Prompter::SetNextFileName(dir.filePath("other.zlt"));
  app->CmFileOpen();
  EXPECT_FALSE(Exists(Path(".start.zlt.lock")));
  EXPECT_TRUE(Exists(Path(".other.zlt.lock")));
  app.reset();  // exit
  EXPECT_FALSE(Exists(Path(".other.zlt.lock")));
}

// The program itself, started on `document` in the temporary folder.
class OtherInstance {
 public:
  OtherInstance(const QTemporaryDir& dir, const std::string& document) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", dir.filePath("other-config"));
    env.insert("XDG_DATA_HOME", dir.filePath("other-data"));
    process_.setProcessEnvironment(env);
    process_.start(QStringLiteral(ZELTO_PROGRAM), {QString::fromStdString(document)});
  }
  ~OtherInstance() { Kill(); }
  void Kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();  // SIGKILL: a crash, nothing cleaned up
    process_.waitForFinished(5000);
  }

 private:
  QProcess process_;
};

TEST_F(SharedDocumentTest, ASecondInstanceIsOfferedReadOnlyAndAKilledOnesLockIsTakenOver) {
  WriteFile(Path("start.zlt"), DocumentWith({"shared"}));
  OtherInstance first(dir, Path("start.zlt"));
  ASSERT_TRUE(WaitFor([this] { return Exists(Path(".start.zlt.lock")); }, 15000));
  WaitFor([] { return false; }, 200);  // the lock file's content follows its creation

  Start();  // answers the offer with its default: read-only
  ASSERT_EQ(askedAtStart.size(), 1u);
  EXPECT_TRUE(askedAtStart[0].text.startsWith(
      QString::fromStdString("The file " + Path("start.zlt") + " is open in another Brindamor (")))
      << askedAtStart[0].text.toStdString();
  EXPECT_EQ(askedAtStart[0].choices, (QStringList{"Open &Read-Only", "Open A&nyway"}));
  EXPECT_TRUE(app->DocumentReadOnly());
  EXPECT_EQ(app->Enabled(CM_FILESAVE), false);
  EXPECT_NE(app->Enabled(CM_FILESAVEAS), false);
  EXPECT_TRUE(app->Frame()->windowTitle().contains("(read-only)"));
  // A save asks for another name; cancelled, nothing is written.
  AddClientNote("mine");
  app->CmFileSave();
  EXPECT_EQ(Asked(Kind::SaveFile), 1);
  EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), Notes{"shared"});
  // Save As to the same file is refused while the other instance holds it.
  Prompter::SetNextFileName(dir.filePath("start.zlt"));
  app->CmFileSaveAs();
  EXPECT_EQ(ClientNotesInFile(Path("start.zlt")), Notes{"shared"});
  EXPECT_TRUE(app->doc.modified);

  // Open anyway: the document is this instance's to save.
  Prompter::SetNextChoice(1);
  Start();
  EXPECT_FALSE(app->DocumentReadOnly());
  EXPECT_NE(app->Enabled(CM_FILESAVE), false);

  // The first instance crashes: its lock is stale, and the next start takes it over.
  first.Kill();
  Start();
  EXPECT_TRUE(askedAtStart.empty());
  EXPECT_FALSE(app->DocumentReadOnly());
  QtDocumentLocks locks;
  const LockAttempt attempt = locks.Lock(Path("start.zlt"));
  EXPECT_TRUE(attempt.HeldElsewhere());
  EXPECT_NE(attempt.holder.find("process " + std::to_string(QCoreApplication::applicationPid())),
            std::string::npos);
}

}  // namespace
}  // namespace zelto::testing
