#include "mainwin/ActionCommands.h"

#include <gtest/gtest.h>

#include "app/AppFixture.h"
#include "common/CommandIds.h"
#include "mainwin/MainWindowCommands.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/RecordingDesktopActions.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto::testing {
namespace {

constexpr std::uint8_t ProgramFlags = static_cast<std::uint8_t>(EntryKind::Program);

class ActionCommandsTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Start();
    TabList& tabs = app->doc.tabs;
    tabs.Clear();
    tabs.Append(Tab("Home", 0, NO_PARENT));
    // In list order: line 0, 1 and 2 of the note window.
    tabs[0].notes.Add(NoteString{"Call 555-1234 or see http://example.org", 0});
    tabs[0].notes.Add(NoteString{"Editor\r\n/usr/bin/prog --new", ProgramFlags});
    tabs[0].notes.Add(NoteString{"see http:abc def", 0});
    table.Add(CM_EDITNOTE, [this] { ++edits; });
    desktop.programs << QStringLiteral("/usr/bin/prog");
    notes = std::make_unique<TNoteWindow>(app->doc, app->CatList());
    actions = std::make_unique<ActionCommands>(
        ActionSession{app->doc, app->settings, app->popup, nullptr}, *notes, table, desktop);
    notes->Lines().currentCategory = 0;
    notes->CountLines();
  }
  void TearDown() override {
    actions.reset();
    notes.reset();
    AppFixture::TearDown();
  }

  std::vector<MenuItem> ItemsOnLine(int line) {
    notes->SetCurrentLine(line);
    return actions->NoteLineItems();
  }

  CommandTable table;
  int edits = 0;
  RecordingDesktopActions desktop;
  std::unique_ptr<TNoteWindow> notes;
  std::unique_ptr<ActionCommands> actions;
};

TEST_F(ActionCommandsTest, NotePopupOffersRunLinkAndPhonesAndTheirCommandsActOnThem) {
  EXPECT_EQ(ItemsOnLine(0), (std::vector<MenuItem>{{CM_LINKURL, "Link to URL http://example.org"},
                                                   {CM_PHONE0, "Phone 555-1234"}}));
  EXPECT_EQ(app->popup.calledParty, "Call 555-1234 or see http...");
  table.DoCommand(CM_LINKURL);
  table.DoCommand(CM_PHONE0);
  ASSERT_EQ(desktop.openedUrls.size(), 1u);
  EXPECT_EQ(desktop.openedUrls[0], QUrl(QStringLiteral("http://example.org")));
  ASSERT_EQ(desktop.dialled.size(), 1u);
  EXPECT_EQ(desktop.dialled[0].dialString, "5551234");
  EXPECT_EQ(desktop.dialled[0].calledParty, "Call 555-1234 or see http...");

  const std::vector<MenuItem> program = ItemsOnLine(1);
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program[0], (MenuItem{CM_RUN, "Run"}));
  table.DoCommand(CM_RUN);
  ASSERT_EQ(desktop.started.size(), 1u);
  EXPECT_EQ(desktop.started[0].program, "/usr/bin/prog");
  EXPECT_EQ(desktop.started[0].arguments, QStringList{QStringLiteral("--new")});

  EXPECT_TRUE(ItemsOnLine(2).empty());  // "http:abc" is no web address: no link item
  EXPECT_TRUE(ItemsOnLine(3).empty());  // the end line
  app->settings.WWWEnabled = false;
  EXPECT_EQ(ItemsOnLine(0), (std::vector<MenuItem>{{CM_PHONE0, "Phone 555-1234"}}));
}

TEST_F(ActionCommandsTest, ActivationRunsOpensOrEdits) {
  notes->ActivateLine(1, false);  // through the note window's own activation
  EXPECT_EQ(desktop.started.size(), 1u);

  actions->ActivateNote(0, 0, false);  // ClickURL is on by default
  EXPECT_EQ(desktop.openedUrls.size(), 1u);
  EXPECT_EQ(app->popup.lastUrl, "http://example.org");
  EXPECT_EQ(edits, 0);
  // "http:abc" is no web address: the note opens for editing, with nothing said.
  actions->ActivateNote(0, 2, false);
  EXPECT_EQ(edits, 1);
  EXPECT_EQ(desktop.openedUrls.size(), 1u);
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message), 0);
  edits = 0;

  app->settings.ClickURL = 0;
  actions->ActivateNote(0, 0, false);
  EXPECT_EQ(edits, 1);
  actions->ActivateNote(0, 1, true);   // the edit command's own activation: not run here
  actions->ActivateNote(0, 7, false);  // no such note
  EXPECT_EQ(desktop.Requests(), 2u);
  EXPECT_EQ(edits, 1);
}

TEST_F(ActionCommandsTest, WhatCannotBeCarriedOutIsSaid) {
  desktop.answer =
      ActionOutcome::Failed(QStringLiteral("The program \"/usr/bin/prog\" did not start."));
  actions->ActivateNote(0, 1, false);
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message, desktop.answer.reason), 1);

  // "http:abc" is found as the note's link but is no web address: refused, never opened.
  desktop.answer = ActionOutcome::Done();
  notes->SetCurrentLine(2);
  actions->OpenCurrentLink();
  EXPECT_TRUE(desktop.openedUrls.empty());
  EXPECT_TRUE(desktop.openedFiles.isEmpty());
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message), 2);

  desktop.answer = ActionOutcome::Failed(QStringLiteral("No application could dial 5551234."));
  ItemsOnLine(0);
  actions->Dial(0);
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message, desktop.answer.reason), 1);
}

TEST_F(ActionCommandsTest, DetailPopupOffersTheCleanedSelection) {
  EXPECT_TRUE(actions->DetailMenuItems(QString()).empty());
  EXPECT_EQ(app->popup.calledParty, "...");

  // Without a Browser setting no link is offered, whatever the web-link switch says.
  EXPECT_TRUE(actions->DetailMenuItems(QStringLiteral("http://example.org")).empty());
  app->settings.Browser = "browser";
  EXPECT_EQ(actions->DetailMenuItems(QStringLiteral("http://exam\r\nple.org/\u00e9x")),
            (std::vector<MenuItem>{{CM_LINKURL, "Link to URL http://example.org/x"}}));
  EXPECT_EQ(app->popup.lastUrl, "http://example.org/x");

  EXPECT_EQ(actions->DetailMenuItems(QStringLiteral("(800) 555-1212 ")),
            (std::vector<MenuItem>{{CM_PHONE0, "Phone 1 (800) 555-1212"}}));
  table.DoCommand(CM_PHONE0);
  ASSERT_EQ(desktop.dialled.size(), 1u);
  EXPECT_EQ(desktop.dialled[0].dialString, "18005551212");
  EXPECT_EQ(actions->DetailMenuItems(QStringLiteral("555-1234 abc")),
            (std::vector<MenuItem>{{CM_PHONE0, "Phone 555-1234"}}));
  EXPECT_TRUE(actions->DetailMenuItems(QStringLiteral("call 555-1234")).empty());
}

// The set installed on the program's main window works on its note window.
TEST_F(ActionCommandsTest, MainWindowActionsFollowItsCurrentLine) {
  TZeltoWindow& window = *app->MainWindow();
  MainWindowCommands* set = MainWindowCommands::Of(window);
  ASSERT_NE(set, nullptr);
  ASSERT_NE(set->Actions(), nullptr);
  window.NoteView()->Lines().currentCategory = 0;
  window.NoteView()->CountLines();
  window.NoteView()->SetCurrentLine(1);  // the program entry
  EXPECT_EQ(set->Actions()->NoteLineItems(), (std::vector<MenuItem>{{CM_RUN, "Run"}}));
  window.NoteView()->SetCurrentLine(0);
  const std::vector<MenuItem> items = set->Actions()->NoteLineItems();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1], (MenuItem{CM_PHONE0, "Phone 555-1234"}));
  for (int id :
       {int(CM_RUN), int(CM_LINKURL), int(CM_PHONE5), int(CM_EDITFIND), int(CM_EDITFINDNEXT)})
    EXPECT_TRUE(window.HandlesCommand(id)) << id;
}

}  // namespace
}  // namespace zelto::testing
