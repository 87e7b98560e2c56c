// New, Open, Save, Save As, Save as text and the close query, answered through the
// Prompter's queues, on files in a temporary folder.
#include "AppFixture.h"
#include "TourDocument.h"
#include "app/TSDIDecFrame.h"
#include "model/TextExport.h"
#include "view/TCatWindow.h"

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;
using Kind = Prompter::Asked::Kind;

class DocumentCommandsTest : public AppFixture {
 protected:
  // The notes of the document file `path` as the program reads them back.
  std::vector<std::string> NotesInFile(const std::string& path) {
    Document doc;
    MemoryCategoryList list;
    FileDialogData dialog;
    QtFileStore files;
    struct : DocumentUi {
      std::optional<std::string> AskSaveFileName(const FileDialogData&) override { return {}; }
      void ShowMessage(const std::string&) override {}
      bool AskYesNo(const std::string&) override { return false; }
    } ui;
    DocumentEnv env{doc, list, dialog, ui, files, "Default"};
    std::vector<std::string> notes;
    if (LoadDocument(env, path) != LoadResult::Loaded) return notes;
    for (const Tab& t : doc.tabs)
      for (const NoteString& n : t.notes) notes.push_back(n.text);
    return notes;
  }
  bool PositionStored() const { return settings->Peek("FullScreen").has_value(); }
  using Notes = std::vector<std::string>;
};

TEST_F(DocumentCommandsTest, CloseQueryWithChangesFollowsTheAnswer) {
  StartOnSavedDocument();
  ChangeDocument("kept?");

  Prompter::SetNextAnswer(Answer::Cancel);
  EXPECT_FALSE(app->CloseQuery());
  EXPECT_EQ(SaveQuestions(), 1);
  EXPECT_EQ(Prompter::History().back().caption, "Brindamor, version 1.01");
  EXPECT_EQ(Prompter::History().back().defaultAnswer, Answer::Yes);
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{});

  Prompter::SetNextAnswer(Answer::No);
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{});
  EXPECT_FALSE(PositionStored());  // after the question the position is left alone

  Prompter::SetNextAnswer(Answer::Yes);
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_EQ(Asked(Kind::SaveFile), 0);  // the document has a name
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{"kept?"});
  EXPECT_FALSE(app->doc.modified);
  EXPECT_FALSE(PositionStored());

  // Unchanged now: no question, and the position is stored.
  Prompter::ResetTestHooks();
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_EQ(SaveQuestions(), 0);
  EXPECT_TRUE(PositionStored());
}

TEST_F(DocumentCommandsTest, CloseQueryKeepsTheProgramOpenWhenTheAnsweredSaveDoesNotHappen) {
  Start();
  app->CmFileNew();  // no file name
  ChangeDocument("unsaved");
  Prompter::SetNextAnswer(Answer::Yes);
  Prompter::SetNextFileName(std::nullopt);  // the save dialog is cancelled
  EXPECT_FALSE(app->CloseQuery());
  EXPECT_EQ(Asked(Kind::SaveFile), 1);
  EXPECT_TRUE(app->doc.modified);

  // A name in a folder that does not exist: the write fails and says so.
  Prompter::SetNextAnswer(Answer::Yes);
  Prompter::SetNextFileName(dir.filePath("missing/notes.zlt"));
  EXPECT_FALSE(app->CloseQuery());
  EXPECT_TRUE(app->doc.modified);
  ASSERT_EQ(Asked(Kind::Message), 1);
  EXPECT_TRUE(Prompter::History().back().text.startsWith("Could not save "));
  EXPECT_TRUE(Prompter::History().back().text.contains("missing/notes.zlt"));

  // The frame's close goes through the same query and stays open.
  Prompter::SetNextAnswer(Answer::Cancel);
  EXPECT_FALSE(app->Frame()->close());
  EXPECT_TRUE(app->Frame()->isVisible());
}

TEST_F(DocumentCommandsTest, NewAsksAboutUnsavedChangesFirst) {
  StartOnSavedDocument();
  // Unchanged: no question; only the default category, no file name.
  app->doc.tabs[0].notes.Add(NoteString{"saved note", 0});
  app->CmFileSave();
  app->CmFileNew();
  EXPECT_EQ(SaveQuestions(), 0);
  ASSERT_EQ(app->doc.tabs.Count(), 1u);
  EXPECT_EQ(app->doc.tabs[0].text, "Default");
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 0u);
  EXPECT_EQ(app->fileData.fileName, "");
  EXPECT_EQ(app->CatList()->GetCount(), 1);
  EXPECT_EQ(app->CatList()->SelectedCategory(), 0);

  // Changed and Cancel: everything stays.
  app->fileData.fileName = Path("start.zlt");
  ChangeDocument("work in progress");
  Prompter::SetNextAnswer(Answer::Cancel);
  app->CmFileNew();
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 1u);
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));

  // Yes: saved to its own file without a dialog, then the new document.
  Prompter::SetNextAnswer(Answer::Yes);
  app->CmFileNew();
  EXPECT_EQ(Asked(Kind::SaveFile), 0);
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{"work in progress"});
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 0u);
  EXPECT_FALSE(app->doc.modified);

  // No: the changes are dropped on purpose, a cut category with them: nothing is left to
  // paste.
  ChangeDocument("dropped");
  app->doc.tabs.Append(Tab("Box", 0, NO_PARENT));
  app->doc.tabs[1].state = TabState::Cut;
  app->doc.cutPending = true;
  Prompter::SetNextAnswer(Answer::No);
  app->CmFileNew();
  EXPECT_FALSE(app->doc.cutPending);
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 0u);
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{"work in progress"});
}

TEST_F(DocumentCommandsTest, OpenKeepsTheFileNameUntilAnotherFileIsOpened) {
  WriteFile(Path("tour.zlt"), TourDocumentBytes());
  StartOnSavedDocument();
  ChangeDocument("before open");

  // Cancel at the question: no dialog, nothing changes.
  Prompter::SetNextAnswer(Answer::Cancel);
  app->CmFileOpen();
  EXPECT_EQ(Asked(Kind::OpenFile), 0);
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  EXPECT_FALSE(app->switchingDocument);

  // Yes saves to the current file (no save dialog); a cancelled open dialog keeps the name.
  Prompter::SetNextAnswer(Answer::Yes);
  Prompter::SetNextFileName(std::nullopt);
  app->CmFileOpen();
  EXPECT_EQ(Asked(Kind::SaveFile), 0);
  EXPECT_EQ(Asked(Kind::OpenFile), 1);
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{"before open"});
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  EXPECT_EQ(app->doc.tabs[0].notes.Count(), 1u);
  EXPECT_FALSE(app->switchingDocument);  // nothing was switched: a later exit stores the position

  // Unchanged, a file chosen: it is loaded and named.
  Prompter::SetNextFileName(dir.filePath("tour.zlt"));
  app->CmFileOpen();
  EXPECT_EQ(app->fileData.fileName, Path("tour.zlt"));
  EXPECT_EQ(app->doc.tabs.Count(), MakeTourDocument().tabs.Count());
  EXPECT_FALSE(app->doc.modified);
  // The open dialog started at the document's file and showed document files.
  EXPECT_EQ(Prompter::History().back().text, dir.filePath("start.zlt"));
  EXPECT_EQ(Prompter::History().back().filter, "Zelto files (*.zlt)");
}

TEST_F(DocumentCommandsTest, SaveAsKeepsTheNameUnlessTheNewFileIsWritten) {
  StartOnSavedDocument();
  ChangeDocument("content");

  Prompter::SetNextFileName(std::nullopt);
  app->CmFileSaveAs();
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  EXPECT_FALSE(app->switchingDocument);
  EXPECT_TRUE(app->doc.modified);

  Prompter::SetNextFileName(dir.filePath("missing/copy.zlt"));
  app->CmFileSaveAs();
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(Asked(Kind::Message), 1);

  Prompter::SetNextFileName(dir.filePath("copy"));  // the extension is added
  app->CmFileSaveAs();
  EXPECT_EQ(app->fileData.fileName, Path("copy.zlt"));
  EXPECT_EQ(NotesInFile(Path("copy.zlt")), Notes{"content"});
  EXPECT_EQ(NotesInFile(Path("start.zlt")), Notes{});
  EXPECT_FALSE(app->doc.modified);

  // After a Save As the next close of the unchanged document stores no position.
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_FALSE(PositionStored());
  EXPECT_FALSE(app->switchingDocument);
  EXPECT_TRUE(app->CloseQuery());
  EXPECT_TRUE(PositionStored());
}

TEST_F(DocumentCommandsTest, SaveAsTextOffersTheLastNameAndReportsAFailedWrite) {
  WriteFile(Path("tour.zlt"), TourDocumentBytes());
  settings->Put("DefaultFile", Path("tour.zlt"));
  Start();
  const std::string expected = ExportText(app->doc.tabs);

  Prompter::SetNextFileName(dir.filePath("tour-notes"));
  app->DoCommand(8);
  EXPECT_EQ(ReadFile(Path("tour-notes.txt")), expected);
  EXPECT_EQ(Prompter::History().back().filter, "Text files (*.txt)");
  EXPECT_FALSE(app->doc.modified);

  Prompter::SetNextFileName(std::nullopt);
  app->DoCommand(8);
  EXPECT_EQ(Prompter::History().back().text, dir.filePath("tour-notes.txt"));

  Prompter::SetNextFileName(dir.filePath("missing/tour.txt"));
  app->DoCommand(8);
  ASSERT_EQ(Asked(Kind::Message), 1);
  const QString message = Prompter::History().back().text;
  EXPECT_TRUE(message.startsWith("Could not save " + dir.filePath("missing/tour.txt") + ": "))
      << message.toStdString();
  EXPECT_GT(message.size(),
            QString("Could not save " + dir.filePath("missing/tour.txt") + ": ").size());
}

}  // namespace
}  // namespace zelto::testing
