// Start-up: the first document, the command line, the file-type registration, and the
// window position restored at start and stored at exit.
#include "AppFixture.h"
#include "TourDocument.h"
#include "app/TSDIDecFrame.h"
#include "view/TCatWindow.h"

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;

class StartupTest : public AppFixture {
 protected:
  std::optional<std::uint32_t> Stored(const char* name) const {
    const auto value = settings->Peek(name);
    if (!value) return std::nullopt;
    if (const auto* n = std::get_if<std::uint32_t>(&*value)) return *n;
    return std::nullopt;
  }
};

TEST_F(StartupTest, FirstStartMakesANewDocumentBoundToTheDefaultFile) {
  Start();
  EXPECT_EQ(app->Frame()->windowTitle(), "start.zlt[*] - Brindamor, version 1.01");
  EXPECT_FALSE(app->Frame()->isMaximized());
  ASSERT_EQ(app->doc.tabs.Count(), 1u);
  EXPECT_EQ(app->doc.tabs[0].text, "Default");
  EXPECT_EQ(app->CatList()->GetString(app->CatList()->GetSelIndex()), "Default");
  EXPECT_TRUE(app->doc.modified);
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  EXPECT_EQ(registrations, std::vector<bool>{false});

  // Closing asks; Yes (the default) writes the 48-byte empty document.
  EXPECT_TRUE(app->Frame()->close());
  EXPECT_EQ(SaveQuestions(), 1);
  EXPECT_EQ(ReadFile(Path("start.zlt")).size(), 48u);

  // The next start opens it unchanged: no question at exit.
  Start();
  EXPECT_FALSE(app->doc.modified);
  Prompter::ResetTestHooks();
  EXPECT_TRUE(app->Frame()->close());
  EXPECT_EQ(SaveQuestions(), 0);
}

TEST_F(StartupTest, CommandLineNamesTheDocumentForThisRunAndMayRemoveTheRegistration) {
  WriteFile(Path("tour.zlt"), TourDocumentBytes());
  Start({Path("tour.zlt")});
  EXPECT_EQ(app->fileData.fileName, Path("tour.zlt"));
  EXPECT_FALSE(app->doc.modified);
  EXPECT_EQ(std::get<std::string>(*settings->Peek("DefaultFile")), Path("start.zlt"));

  registrations.clear();
  Start({"-u", Path("tour.zlt")});
  EXPECT_EQ(registrations, std::vector<bool>{true});
  EXPECT_EQ(app->fileData.fileName, Path("tour.zlt"));
  registrations.clear();
  Start({"/UNREG"});
  EXPECT_EQ(registrations, std::vector<bool>{true});
}

TEST_F(StartupTest, RefusedDefaultDocumentStartsEmptyAndIsNeverOverwritten) {
  WriteFile(Path("start.zlt"), "this is not a document");
  Start();
  EXPECT_EQ(app->doc.tabs.Count(), 0u);
  EXPECT_EQ(app->CatList()->GetCount(), 0);
  // Saving asks for a name instead of writing over the refused file.
  app->CmFileNew();
  Prompter::SetNextFileName(std::nullopt);
  app->CmFileSave();
  EXPECT_EQ(Asked(Prompter::Asked::Kind::SaveFile), 1);
  EXPECT_EQ(ReadFile(Path("start.zlt")), "this is not a document");
}

TEST_F(StartupTest, WindowPositionIsStoredOnlyOnACleanExitOfANormalOrMaximizedWindow) {
  Start();
  app->CmFileSave();  // unchanged from here on
  app->Frame()->setGeometry(120, 90, 640, 480);
  EXPECT_TRUE(app->Frame()->close());
  EXPECT_EQ(Stored("FullScreen"), 0u);
  EXPECT_EQ(Stored("X"), 120u);
  EXPECT_EQ(Stored("Y"), 90u);
  EXPECT_EQ(Stored("W"), 640u);
  EXPECT_EQ(Stored("H"), 480u);

  // Restored at the next start; maximized: only FullScreen changes.
  Start();
  EXPECT_EQ(app->Frame()->geometry(), QRect(120, 90, 640, 480));
  app->Frame()->showMaximized();
  EXPECT_TRUE(app->Frame()->close());
  EXPECT_EQ(Stored("FullScreen"), 1u);
  EXPECT_EQ(Stored("X"), 120u);
  EXPECT_EQ(Stored("W"), 640u);

  // The next start is maximized over the stored normal place.
  Start();
  EXPECT_TRUE(app->Frame()->isMaximized());
  EXPECT_EQ(app->Frame()->normalGeometry(), QRect(120, 90, 640, 480));

  // Minimized: nothing is stored.
  app->Frame()->showNormal();
  app->Frame()->showMinimized();
  EXPECT_TRUE(app->Frame()->close());
  EXPECT_EQ(Stored("FullScreen"), 1u);

  // A changed document answered No: nothing is stored either.
  Start();
  app->Frame()->showNormal();
  app->Frame()->setGeometry(10, 20, 300, 200);
  ChangeDocument();
  Prompter::SetNextAnswer(Answer::No);
  EXPECT_TRUE(app->Frame()->close());
  EXPECT_EQ(Stored("FullScreen"), 1u);
  EXPECT_EQ(Stored("X"), 120u);
}

}  // namespace
}  // namespace zelto::testing
