#include "common/CommandRouting.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/CommandIds.h"
#include "common/CommandTable.h"

namespace zelto {
namespace {

// A chain like the running program's: note window, main window, application object.
struct Chain {
  CommandTable noteView;
  CommandTable mainWindow;
  CommandTable app;
  std::vector<int> log;  // which target ran: 1 note view, 2 main window, 3 application

  std::vector<CommandTarget*> Targets() { return {&noteView, &mainWindow, &app}; }
};

TEST(CommandRoutingTest, FirstHandlerOnTheChainTakesTheCommand) {
  Chain c;
  c.noteView.Add(CM_EDITCOPY, [&] { c.log.push_back(1); });
  c.mainWindow.Add(CM_EDITCOPY, [&] { c.log.push_back(2); });
  c.mainWindow.Add(CM_EDITPASTE, [&] { c.log.push_back(2); });
  c.app.Add(CM_FILESAVE, [&] { c.log.push_back(3); });

  EXPECT_TRUE(RouteCommand(c.Targets(), CM_EDITCOPY));   // the focused window keeps Copy
  EXPECT_TRUE(RouteCommand(c.Targets(), CM_EDITPASTE));  // passed on to its parent
  EXPECT_TRUE(RouteCommand(c.Targets(), CM_FILESAVE));   // reaches the application
  EXPECT_FALSE(RouteCommand(c.Targets(), CM_EDITCUT));   // nobody: nothing happens
  EXPECT_EQ(c.log, (std::vector<int>{1, 2, 3}));
}

TEST(CommandRoutingTest, WithoutEnablerACommandIsEnabledExactlyWhenSomeoneHandlesIt) {
  Chain c;
  c.app.Add(CM_FILENEW, [] {});
  EXPECT_TRUE(StateOf(c.Targets(), CM_FILENEW).enabled);
  EXPECT_FALSE(StateOf(c.Targets(), CM_EDITCUT).enabled);
  EXPECT_FALSE(StateOf({}, CM_FILENEW).enabled);
}

TEST(CommandRoutingTest, FirstEnablerDecidesEvenBeforeTheHandler) {
  Chain c;
  bool noteLine = false;
  c.mainWindow.Add(
      CM_DELETENOTE, [] {}, [&] { return noteLine; });
  EXPECT_FALSE(StateOf(c.Targets(), CM_DELETENOTE).enabled);
  noteLine = true;
  EXPECT_TRUE(StateOf(c.Targets(), CM_DELETENOTE).enabled);

  // An enabler earlier in the chain overrules a later one, and a handler-less enabler
  // still lets the command travel on to the handler.
  c.noteView.AddEnabler(CM_DELETENOTE, [] { return false; });
  EXPECT_FALSE(StateOf(c.Targets(), CM_DELETENOTE).enabled);
  EXPECT_EQ(FindHandler(c.Targets(), CM_DELETENOTE), &c.mainWindow);
}

TEST(CommandRoutingTest, CheckMarkComesFromTheFirstTargetThatSaysSo) {
  Chain c;
  bool multiLine = true;
  c.mainWindow.Add(
      CM_MULTILINE, [&] { multiLine = !multiLine; }, {}, [&] { return multiLine; });
  EXPECT_TRUE(StateOf(c.Targets(), CM_MULTILINE).checked);
  RouteCommand(c.Targets(), CM_MULTILINE);
  EXPECT_FALSE(StateOf(c.Targets(), CM_MULTILINE).checked);
  EXPECT_TRUE(StateOf(c.Targets(), CM_MULTILINE).enabled);
  EXPECT_FALSE(StateOf(c.Targets(), CM_ENABLEWEB).checked);  // nobody says: unchecked
}

TEST(CommandTableTest, HandlerMayReplaceItsOwnEntryWhileRunning) {
  CommandTable table;
  int runs = 0;
  table.Add(CM_ADDNOTE, [&] {
    ++runs;
    table.Add(CM_ADDNOTE, [&] { runs += 10; });
  });
  table.DoCommand(CM_ADDNOTE);
  table.DoCommand(CM_ADDNOTE);
  EXPECT_EQ(runs, 11);
  table.Remove(CM_ADDNOTE);
  EXPECT_FALSE(table.HandlesCommand(CM_ADDNOTE));
  table.DoCommand(CM_ADDNOTE);  // no entry: nothing runs
  EXPECT_EQ(runs, 11);
}

}  // namespace
}  // namespace zelto
