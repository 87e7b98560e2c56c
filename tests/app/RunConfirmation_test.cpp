// A program entry that came with a document asks before it runs; what the user allows is
// remembered per document and command.
#include "AppFixture.h"
#include "common/CommandTable.h"
#include "mainwin/ActionCommands.h"
#include "model/DocumentCodec.h"
#include "platform/RecordingDesktopActions.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;
using Kind = Prompter::Asked::Kind;

constexpr const char* Holiday = "Holiday photos\r\n/usr/bin/touch marker.txt";

class RunConfirmationTest : public AppFixture {
 protected:
  void TearDown() override {
    actions.reset();
    notes.reset();
    AppFixture::TearDown();
  }
  // A document made elsewhere: the default category holding one program entry.
  static std::string DocumentWith(const std::string& entry) {
    TabList tabs;
    tabs.Append(Tab("Default", 0, NO_PARENT));
    tabs[0].notes.Add(NoteString{entry, static_cast<std::uint8_t>(EntryKind::Program)});
    return EncodeDocument(tabs, FileLayout::V101);
  }
  // Starts the program (again) and gives it entry actions that ask as the program does.
  void Restart() {
    actions.reset();
    notes.reset();
    Start();
    table = std::make_unique<CommandTable>();
    notes = std::make_unique<TNoteWindow>(app->doc, app->CatList());
    actions = std::make_unique<ActionCommands>(
        ActionSession{app->doc, app->settings, app->popup, app->Permissions()}, *notes, *table,
        desktop);
  }
  // Enter on the program entry.
  void Run() { actions->ActivateNote(0, 0, false); }
  int Questions() const { return Asked(Kind::Question); }

  RecordingDesktopActions desktop;
  std::unique_ptr<CommandTable> table;
  std::unique_ptr<TNoteWindow> notes;
  std::unique_ptr<ActionCommands> actions;
};

TEST_F(RunConfirmationTest, AnEntryFromElsewhereShowsItsCommandAndRunsOnlyWhenAllowed) {
  WriteFile(Path("start.zlt"), DocumentWith(Holiday));
  WriteFile(Path("other.zlt"), DocumentWith(Holiday));
  desktop.programs << QStringLiteral("/usr/bin/touch");
  Restart();

  // Cancel, the default: nothing runs, nothing is remembered.
  Run();
  ASSERT_EQ(Questions(), 1);
  const Prompter::Asked asked = Prompter::History().back();
  EXPECT_TRUE(asked.text.contains("Program: /usr/bin/touch\nArgument 1: marker.txt"))
      << asked.text.toStdString();
  EXPECT_EQ(asked.checkBox, "Do not ask again for this command in this document");
  EXPECT_EQ(asked.defaultAnswer, Answer::Cancel);
  EXPECT_TRUE(desktop.started.empty());

  // Run without the box: it runs this once.
  Prompter::SetNextAnswer(Answer::Ok);
  Run();
  ASSERT_EQ(desktop.started.size(), 1u);
  EXPECT_EQ(desktop.started[0].program, "/usr/bin/touch");
  EXPECT_EQ(desktop.started[0].arguments, QStringList{QStringLiteral("marker.txt")});
  Run();
  EXPECT_EQ(Questions(), 3);
  EXPECT_EQ(desktop.started.size(), 1u);

  // Run with the box ticked: no question any more, after a restart too.
  Prompter::SetNextAnswer(Answer::Ok);
  Prompter::SetNextCheckBox(true);
  Run();
  Restart();
  Run();
  EXPECT_EQ(Questions(), 0);
  EXPECT_EQ(desktop.started.size(), 3u);

  // The same command in another document asks again.
  Prompter::SetNextFileName(dir.filePath("other.zlt"));
  app->CmFileOpen();
  Run();
  EXPECT_EQ(Questions(), 1);
  EXPECT_EQ(desktop.started.size(), 3u);

  // So does a changed command in the first one.
  WriteFile(Path("start.zlt"), DocumentWith("Holiday photos\r\n/usr/bin/touch other.txt"));
  Prompter::SetNextFileName(dir.filePath("start.zlt"));
  app->CmFileOpen();
  Run();
  EXPECT_EQ(Questions(), 2);
  EXPECT_EQ(desktop.started.size(), 3u);
}

}  // namespace
}  // namespace zelto::testing
