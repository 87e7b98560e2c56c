// The recent documents of the File menu in the running program: what counts as opened or
// saved, the entries' commands, a file that has gone, and the list of the next run.
#include "model/RecentDocuments.h"

#include <QAction>
#include <QFile>

#include "AppFixture.h"
#include "app/RecoveryWriter.h"
#include "app/TSDIDecFrame.h"
#include "common/CommandIds.h"

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;
using Kind = Prompter::Asked::Kind;
using Paths = std::vector<std::string>;

class RecentDocumentsTest : public AppFixture {
 protected:
  Paths Listed() const { return app->RecentDocuments()->List().Paths(); }
  QStringList MenuTexts() const {
    QStringList texts;
    for (const QAction* action : app->Frame()->RecentDocumentActions()) texts << action->text();
    return texts;
  }
  // A saved document `name` holding one note of that name.
  void SaveDocument(const char* name) {
    ChangeDocument(name);
    Prompter::SetNextFileName(dir.filePath(QString::fromLatin1(name)));
    app->CmFileSaveAs();
    ASSERT_FALSE(app->doc.modified);
  }
  void OpenWithDialog(const char* name) {
    Prompter::SetNextFileName(dir.filePath(QString::fromLatin1(name)));
    app->CmFileOpen();
  }
};

TEST_F(RecentDocumentsTest, OpenedAndSavedDocumentsAreListedNewestFirstAndKeptForTheNextRun) {
  StartOnSavedDocument();  // a new default file: saved, so listed
  SaveDocument("a.zlt");
  SaveDocument("b.zlt");
  OpenWithDialog("a.zlt");
  EXPECT_EQ(Listed(), (Paths{Path("a.zlt"), Path("b.zlt"), Path("start.zlt")}));
  EXPECT_EQ(MenuTexts(), (QStringList{"&1 a.zlt", "&2 b.zlt", "&3 start.zlt"}));
  EXPECT_EQ(app->Frame()->RecentDocumentActions()[1]->statusTip(), dir.filePath("b.zlt"));

  // The next run lists them again; the command line counts as an opening.
  Start({Path("b.zlt")});
  EXPECT_EQ(Listed(), (Paths{Path("b.zlt"), Path("a.zlt"), Path("start.zlt")}));
  EXPECT_EQ(MenuTexts().size(), 3);
}

TEST_F(RecentDocumentsTest, TheLimitComesFromTheSettingAndZeroHidesTheList) {
  settings->Put("RecentFiles", std::uint32_t{2});
  StartOnSavedDocument();
  SaveDocument("a.zlt");
  SaveDocument("b.zlt");
  EXPECT_EQ(Listed(), (Paths{Path("b.zlt"), Path("a.zlt")}));

  settings->Put("RecentFiles", std::uint32_t{0});
  Start();
  EXPECT_TRUE(Listed().empty());
  EXPECT_TRUE(app->Frame()->RecentDocumentActions().empty());
  // Without a list the File menu is as it always was: the separator before Exit only once.
  const auto* menu = qobject_cast<QWidget*>(app->Frame()->MenuAction(CM_EXIT)->parent());
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> file = menu->actions();
  ASSERT_GE(file.size(), 2);
  EXPECT_TRUE(file[file.size() - 2]->isSeparator());
  EXPECT_FALSE(file[file.size() - 3]->isSeparator());
}

TEST_F(RecentDocumentsTest, ChoosingAnEntryOpensItAfterTheQuestionAboutChanges) {
  StartOnSavedDocument();
  SaveDocument("a.zlt");
  SaveDocument("b.zlt");  // holds the notes a.zlt and b.zlt
  ChangeDocument("unsaved");
  Prompter::SetNextAnswer(Answer::Cancel);
  app->DoCommand(CM_RECENTFILE1 + 1);  // a.zlt
  EXPECT_EQ(SaveQuestions(), 1);
  EXPECT_EQ(app->fileData.fileName, Path("b.zlt"));  // kept
  EXPECT_TRUE(app->doc.modified);

  Prompter::SetNextAnswer(Answer::No);
  app->DoCommand(CM_RECENTFILE1 + 1);
  EXPECT_EQ(app->fileData.fileName, Path("a.zlt"));
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 1u);
  EXPECT_EQ(Listed().front(), Path("a.zlt"));
  // An entry past the end of the list is no command.
  EXPECT_FALSE(app->Enabled(CM_RECENTFILE1 + 3).value_or(true));
}

TEST_F(RecentDocumentsTest, AFileThatIsGoneIsReportedAndLeavesTheList) {
  StartOnSavedDocument();
  SaveDocument("a.zlt");
  SaveDocument("b.zlt");
  ASSERT_TRUE(QFile::remove(dir.filePath("a.zlt")));
  Prompter::ResetTestHooks();
  app->DoCommand(CM_RECENTFILE1 + 1);
  ASSERT_EQ(Prompter::History().size(), 1u);  // no question about changes: nothing changes
  EXPECT_EQ(Prompter::History()[0].kind, Kind::Message);
  EXPECT_EQ(Prompter::History()[0].text,
            QString::fromStdString("The file " + Path("a.zlt") + " no longer exists."));
  EXPECT_EQ(app->fileData.fileName, Path("b.zlt"));
  EXPECT_EQ(Listed(), (Paths{Path("b.zlt"), Path("start.zlt")}));
  Start();
  EXPECT_EQ(Listed(), (Paths{Path("b.zlt"), Path("start.zlt")}));
}

TEST_F(RecentDocumentsTest, AGoneFileWithARecoveryCopyOffersTheCopyFirst) {
  StartOnSavedDocument();
  SaveDocument("a.zlt");
  SaveDocument("b.zlt");
  // Changes to a.zlt that only a recovery copy holds: two notes where the file had one.
  ASSERT_EQ(app->Recovery()->WriteCopyNow(Path("a.zlt")), "");
  ASSERT_TRUE(QFile::remove(dir.filePath("a.zlt")));
  Prompter::ResetTestHooks();

  Prompter::SetNextAnswer(Answer::Yes);  // restore the copy
  app->DoCommand(CM_RECENTFILE1 + 1);
  ASSERT_EQ(Prompter::History().size(), 1u);
  EXPECT_TRUE(Prompter::History()[0].text.startsWith(
      QString::fromStdString("A recovery copy of " + Path("a.zlt"))));
  EXPECT_EQ(app->fileData.fileName, Path("a.zlt"));
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 2u);
  EXPECT_EQ(Listed().front(), Path("a.zlt"));  // it will be there again once saved
}

}  // namespace
}  // namespace zelto::testing
