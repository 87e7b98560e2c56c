// The recovery copy of unsaved changes, in the running program: written in the background,
// deleted when the changes are saved or dropped, offered at the next start; and the end of
// the desktop session.
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>

#include "AppFixture.h"
#include "app/RecoveryWriter.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"
#include "model/DocumentCodec.h"
#include "model/RecoveryCopy.h"
#include "platform/QtDocumentLocks.h"

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;
using Kind = Prompter::Asked::Kind;

class RecoveryTest : public AppFixture {
 protected:
  std::string CopyPath() const { return Path("recovery/") + RecoveryCopyName(Path("start.zlt")); }
  QStringList RecoveryFiles() const {
    return QDir(dir.filePath("recovery")).entryList(QDir::Files);
  }
  // The notes of the recovery copy, or nothing when there is none or it is damaged.
  std::optional<std::vector<std::string>> NotesInCopy() const {
    const std::string image = ReadFile(CopyPath());
    const auto content = DecodeRecoveryCopy(image);
    if (!content) return std::nullopt;
    std::vector<std::string> notes;
    for (const Tab& tab : DecodeDocument(content->documentBytes).tabs)
      for (const NoteString& note : tab.notes) notes.push_back(note.text);
    return notes;
  }
  std::vector<std::string> NotesInDocument() const {
    std::vector<std::string> notes;
    for (const NoteString& note : app->doc.tabs[0].notes) notes.push_back(note.text);
    return notes;
  }
  // A crash after the copy was written: the next Start ends the program without closing,
  // and the document file is older than the copy.
  void CrashAfterACopyOf(const std::string& note) {
    ChangeDocument(note);
    ASSERT_EQ(app->Recovery()->WriteCopyNow(Path("start.zlt")), "");
    QFile file(dir.filePath("start.zlt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
  }
  using Notes = std::vector<std::string>;
};

TEST_F(RecoveryTest, ACopyIsWrittenAfterTheIntervalWhileChangesAreUnsaved) {
  settings->Put("AutoSaveSeconds", std::uint32_t{1});
  StartOnSavedDocument();
  // Nothing changed: no copy, however long the program runs.
  WaitFor([] { return false; }, 1300);
  EXPECT_TRUE(RecoveryFiles().isEmpty());

  ChangeDocument("typed");
  ASSERT_TRUE(WaitFor([this] { return NotesInCopy().has_value(); }, 3000));
  EXPECT_EQ(NotesInCopy(), Notes{"typed"});
  // The saved changes need no copy.
  app->CmFileSave();
  EXPECT_TRUE(RecoveryFiles().isEmpty());
}

TEST_F(RecoveryTest, TheCopyGoesWhenTheChangesAreDroppedOnPurpose) {
  StartOnSavedDocument();
  for (const int command : {0, int{CM_FILENEW}, int{CM_FILEOPEN}}) {  // 0: closing
    ChangeDocument("dropped");
    ASSERT_EQ(app->Recovery()->WriteCopyNow(app->fileData.fileName), "");
    ASSERT_FALSE(RecoveryFiles().isEmpty());
    Prompter::SetNextAnswer(Answer::No);
    if (command == 0) {
      EXPECT_TRUE(app->CloseQuery());
    } else {
      Prompter::SetNextFileName(dir.filePath("start.zlt"));
      app->DoCommand(command);
    }
    EXPECT_TRUE(RecoveryFiles().isEmpty()) << command;
    app->fileData.fileName = Path("start.zlt");
  }
}

TEST_F(RecoveryTest, AnUndoIsAChangeForTheCopyAndUndoingBackToTheFileDropsIt) {
  StartOnSavedDocument();
  for (const char* note : {"one", "two"}) {
    QGuiApplication::clipboard()->setText(QString::fromLatin1(note));
    ASSERT_TRUE(app->Frame()->Execute(CM_EDITPASTE));
  }
  ASSERT_EQ(app->Recovery()->WriteCopyNow(Path("start.zlt")), "");
  const auto copyNow = [this] {
    app->Recovery()->WriteChanges();
    EXPECT_TRUE(WaitFor([this] { return !app->Recovery()->Busy(); }, 3000));
    return NotesInCopy();
  };
  ASSERT_TRUE(app->Frame()->Execute(CM_EDITUNDO));
  EXPECT_EQ(copyNow(), Notes{"one"});
  ASSERT_TRUE(app->Frame()->Execute(CM_EDITUNDO));
  EXPECT_FALSE(app->doc.modified);
  EXPECT_TRUE(RecoveryFiles().isEmpty());
  ASSERT_TRUE(app->Frame()->Execute(CM_EDITREDO));
  EXPECT_EQ(copyNow(), Notes{"one"});
}

TEST_F(RecoveryTest, AfterACrashTheCopyIsOfferedAndYesRestoresItUnsaved) {
  StartOnSavedDocument();
  CrashAfterACopyOf("typed before the crash");
  Prompter::SetNextAnswer(Answer::Yes);
  Start();
  ASSERT_EQ(askedAtStart.size(), 1u);
  EXPECT_EQ(askedAtStart[0].kind, Kind::Question);
  EXPECT_TRUE(askedAtStart[0].text.startsWith(
      QString::fromStdString("A recovery copy of " + Path("start.zlt") + " from ")));
  EXPECT_EQ(NotesInDocument(), Notes{"typed before the crash"});
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  // The restored state is where the history starts, and it is not the file's.
  QGuiApplication::clipboard()->setText(QStringLiteral("after"));
  ASSERT_TRUE(app->Frame()->Execute(CM_EDITPASTE));
  ASSERT_TRUE(app->Frame()->Execute(CM_EDITUNDO));
  EXPECT_FALSE(app->Frame()->Execute(CM_EDITUNDO));
  EXPECT_EQ(NotesInDocument(), Notes{"typed before the crash"});
  EXPECT_TRUE(app->doc.modified);

  // No: the file as saved, and the copy set aside, not offered again.
  CrashAfterACopyOf("typed again");
  Prompter::SetNextAnswer(Answer::No);
  Start();
  EXPECT_TRUE(NotesInDocument().empty());  // the restored changes were never saved
  EXPECT_FALSE(app->doc.modified);
  EXPECT_EQ(RecoveryFiles().size(), 1);
  EXPECT_TRUE(RecoveryFiles().first().contains(".set-aside-1.zlt"));
  Start();
  EXPECT_TRUE(askedAtStart.empty());
}

TEST_F(RecoveryTest, AProgramOnAFileAnotherHoldsNeverReplacesOrDeletesTheHoldersCopy) {
  // The other program holds the file and has a copy of its unsaved changes.
  TabList tabs;
  tabs.Append(Tab("Default", 0, NO_PARENT));
  WriteFile(Path("start.zlt"), EncodeDocument(tabs, FileLayout::V101));
  QFile file(dir.filePath("start.zlt"));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
  file.close();
  tabs[0].notes.Add(NoteString{"the holder's", 0});
  const std::string holdersCopy = EncodeRecoveryCopy(tabs, Path("start.zlt"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("recovery")));
  WriteFile(CopyPath(), holdersCopy);
  QtDocumentLocks locks;
  LockAttempt holder = locks.Lock(Path("start.zlt"));
  ASSERT_TRUE(holder.lock);
  Prompter::SetNextChoice(1);  // Open Anyway
  Start();
  ASSERT_EQ(askedAtStart.size(), 1u);  // the holder's copy is not this program's to offer

  ChangeDocument("mine");
  ASSERT_EQ(app->Recovery()->WriteCopyNow(Path("start.zlt")), "");
  EXPECT_EQ(ReadFile(CopyPath()), holdersCopy);
  EXPECT_EQ(RecoveryFiles().size(), 2);
  Prompter::SetNextAnswer(Answer::No);  // its changes dropped on purpose: its copy goes
  app->DoCommand(CM_FILENEW);
  EXPECT_EQ(ReadFile(CopyPath()), holdersCopy);
  EXPECT_EQ(RecoveryFiles().size(), 1);

  // Both programs crash: the next one offers the holder's copy, then this one's.
  Prompter::SetNextChoice(1);
  Start();
  ChangeDocument("mine again");
  ASSERT_EQ(app->Recovery()->WriteCopyNow(Path("start.zlt")), "");
  holder.lock.reset();
  Prompter::SetNextAnswer(Answer::No);
  Prompter::SetNextAnswer(Answer::Yes);
  Start();
  EXPECT_EQ(askedAtStart.size(), 2u);
  EXPECT_EQ(NotesInDocument(), Notes{"mine again"});
  EXPECT_EQ(NotesInCopy(), Notes{"mine again"});  // now this program's own copy
}

TEST_F(RecoveryTest, ANewDocumentNeverSavedIsKeptAndOfferedAtTheNextStart) {
  StartOnSavedDocument();
  app->DoCommand(CM_FILENEW);
  ChangeDocument("never saved");
  // The session ends with no question allowed: the changes go to a copy all the same.
  EXPECT_TRUE(app->EndSession([] { return false; }));
  ASSERT_EQ(RecoveryFiles().size(), 1);

  Prompter::SetNextAnswer(Answer::Yes);
  Start();
  ASSERT_EQ(askedAtStart.size(), 1u);
  EXPECT_TRUE(askedAtStart[0].text.startsWith("A recovery copy of a new document from "));
  EXPECT_EQ(NotesInDocument(), Notes{"never saved"});
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(app->fileData.fileName, "");

  // Saved under a name at last: no copy is left.
  Prompter::SetNextFileName(dir.filePath("named.zlt"));
  app->CmFileSave();
  EXPECT_FALSE(app->doc.modified);
  EXPECT_TRUE(RecoveryFiles().isEmpty());
}

TEST_F(RecoveryTest, TheEndOfTheSessionAsksWhenItMayAndKeepsACopyWhenItMayNot) {
  StartOnSavedDocument();
  int interactionAsked = 0;
  const auto allowed = [&interactionAsked] { return ++interactionAsked > 0; };
  const auto refused = [&interactionAsked] { return ++interactionAsked < 0; };

  // Nothing unsaved: nothing to ask, the session ends.
  EXPECT_TRUE(app->EndSession(allowed));
  EXPECT_EQ(interactionAsked, 0);

  // Cancel keeps the session (and everything else) as it was.
  ChangeDocument("one");
  Prompter::SetNextAnswer(Answer::Cancel);
  EXPECT_FALSE(app->EndSession(allowed));
  EXPECT_EQ(SaveQuestions(), 1);
  EXPECT_TRUE(app->doc.modified);

  // No ends it without saving; the copy goes, and the close that follows asks nothing.
  ASSERT_EQ(app->Recovery()->WriteCopyNow(Path("start.zlt")), "");
  Prompter::SetNextAnswer(Answer::No);
  EXPECT_TRUE(app->EndSession(allowed));
  EXPECT_TRUE(RecoveryFiles().isEmpty());
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_EQ(SaveQuestions(), 2);

  // Yes saves.
  ChangeDocument("two");
  Prompter::SetNextAnswer(Answer::Yes);
  EXPECT_TRUE(app->EndSession(allowed));
  EXPECT_FALSE(app->doc.modified);

  // No question allowed: the changes go to the recovery copy.
  ChangeDocument("three");
  Prompter::ResetTestHooks();
  interactionAsked = 0;
  EXPECT_TRUE(app->EndSession(refused));
  EXPECT_EQ(interactionAsked, 1);
  EXPECT_TRUE(Prompter::History().empty());
  ASSERT_TRUE(NotesInCopy());
  EXPECT_EQ(NotesInCopy()->size(), 3u);
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_TRUE(Prompter::History().empty());
  EXPECT_FALSE(RecoveryFiles().isEmpty());
}

}  // namespace
}  // namespace zelto::testing
