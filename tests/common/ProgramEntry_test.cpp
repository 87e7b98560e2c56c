#include "common/ProgramEntry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zelto {
namespace {

using Words = std::vector<std::string>;

TEST(ProgramEntryText, ComposeAndTakeApart) {
  EXPECT_EQ(ProgramEntryText("Editor", "/usr/bin/my editor", ""), "Editor\r\n/usr/bin/my editor");
  EXPECT_EQ(ProgramEntryText("D", "P", "A"), "D\r\nP A");
  EXPECT_EQ(ComposeProgramEntry("D", "P", "-x 1"), "D\r\nP -x 1");
  EXPECT_FALSE(ComposeProgramEntry("", "P", "A"));
  EXPECT_FALSE(ComposeProgramEntry("D", "", "A"));
  EXPECT_FALSE(ComposeProgramEntry("", "", "A"));

  const ProgramEntryParts parts = SplitProgramEntry("Mail\r\nthunderbird -compose");
  EXPECT_EQ(parts.description, "Mail");
  EXPECT_EQ(parts.command, "thunderbird -compose");
  // Only the first line break separates; an edited entry may have more lines.
  const ProgramEntryParts more = SplitProgramEntry("a\nb\r\nc");
  EXPECT_EQ(more.description, "a");
  EXPECT_EQ(more.command, "b\r\nc");
  const ProgramEntryParts bare = SplitProgramEntry("no command");
  EXPECT_EQ(bare.description, "no command");
  EXPECT_FALSE(bare.command);
}

TEST(SplitCommandLine, SplitsLikeAShell) {
  EXPECT_EQ(SplitCommandLine("prog a  b\tc").words, (Words{"prog", "a", "b", "c"}));
  EXPECT_EQ(SplitCommandLine("  ").words, Words{});
  EXPECT_EQ(SplitCommandLine("\"/opt/My App/run\" --name 'a b'").words,
            (Words{"/opt/My App/run", "--name", "a b"}));
  EXPECT_EQ(SplitCommandLine("a\"b c\"d").words, Words{"ab cd"});
  EXPECT_EQ(SplitCommandLine("'it'\\''s'").words, Words{"it's"});
  EXPECT_EQ(SplitCommandLine("my\\ file.txt").words, Words{"my file.txt"});
  EXPECT_EQ(SplitCommandLine("\"say \\\"hi\\\" \\n\"").words, Words{"say \"hi\" \\n"});
  EXPECT_EQ(SplitCommandLine("'$HOME' `x` ; | > *").words,
            (Words{"$HOME", "`x`", ";", "|", ">", "*"}));
  EXPECT_EQ(SplitCommandLine("'' x").words, (Words{"", "x"}));
  EXPECT_EQ(SplitCommandLine("end\\").words, Words{"end\\"});
  EXPECT_EQ(SplitCommandLine("a\r\nb").words, (Words{"a", "b"}));
}

TEST(SplitCommandLine, OpenQuotesAreErrors) {
  EXPECT_FALSE(SplitCommandLine("prog 'open").Ok());
  EXPECT_FALSE(SplitCommandLine("prog \"open").Ok());
  EXPECT_FALSE(SplitCommandLine("prog \"a\\\"").Ok());
  EXPECT_TRUE(SplitCommandLine("prog \"it's\"").Ok());
}

class PlanProgramLaunchTest : public ::testing::Test {
 protected:
  std::set<std::string> programs = {"/usr/bin/gimp", "firefox", "/opt/My App/run"};
  ProgramFinder finder = [this](const std::string& word) -> std::optional<std::string> {
    if (programs.contains(word)) return word;
    return std::nullopt;
  };
  ProgramLaunchPlan Plan(const std::string& entry) { return PlanProgramLaunch(entry, finder); }
};

TEST_F(PlanProgramLaunchTest, ProgramsStartWithTheirArguments) {
  const ProgramLaunchPlan p = Plan("Paint\r\n/usr/bin/gimp 'my picture.png' -n");
  EXPECT_EQ(p.kind, ProgramLaunchPlan::Kind::Start);
  EXPECT_EQ(p.target, "/usr/bin/gimp");
  EXPECT_EQ(p.arguments, (Words{"my picture.png", "-n"}));

  const ProgramLaunchPlan quoted = Plan("App\r\n\"/opt/My App/run\"");
  EXPECT_EQ(quoted.kind, ProgramLaunchPlan::Kind::Start);
  EXPECT_EQ(quoted.target, "/opt/My App/run");
  EXPECT_TRUE(quoted.arguments.empty());

  EXPECT_EQ(Plan("Web\r\n  firefox  ").kind, ProgramLaunchPlan::Kind::Start);
}

TEST_F(PlanProgramLaunchTest, AnythingElseOpensAsAFile) {
  const ProgramLaunchPlan doc = Plan("Report\r\n/home/me/report.pdf");
  EXPECT_EQ(doc.kind, ProgramLaunchPlan::Kind::Open);
  EXPECT_EQ(doc.target, "/home/me/report.pdf");
  // An unquoted path with blanks opens as a whole.
  const ProgramLaunchPlan spaced = Plan("Notes\r\n/home/me/My Notes.txt");
  EXPECT_EQ(spaced.kind, ProgramLaunchPlan::Kind::Open);
  EXPECT_EQ(spaced.target, "/home/me/My Notes.txt");
  const ProgramLaunchPlan quoted = Plan("Notes\r\n'/home/me/My Notes.txt'");
  EXPECT_EQ(quoted.target, "/home/me/My Notes.txt");
  // An unquoted path to a program with blanks is no program either; it is opened.
  EXPECT_EQ(Plan("App\r\n/opt/My App/run").kind, ProgramLaunchPlan::Kind::Open);
}

TEST_F(PlanProgramLaunchTest, AddressesWithASchemeGoToTheDesktopsHandler) {
  const std::vector<std::pair<std::string, std::string>> addresses = {
      {"Web\r\nhttp://example.org", "http://example.org"},
      {"Mail\r\n mailto:x@example.org ", "mailto:x@example.org"},
      {"Doc\r\nfile:///home/me/My Notes.txt", "file:///home/me/My Notes.txt"},
      {"Chat\r\nxmpp+secure:room@example.org", "xmpp+secure:room@example.org"},
  };
  for (const auto& [entry, address] : addresses) {
    const ProgramLaunchPlan p = Plan(entry);
    EXPECT_EQ(p.kind, ProgramLaunchPlan::Kind::OpenAddress) << entry;
    EXPECT_EQ(p.target, address);
  }
  // A drive letter, a path, a bare "scheme:" or a colon in an argument make no address.
  for (const char* entry : {"Old\r\nC:\\prog.exe", "P\r\n/usr/bin/gimp a:b",
                            "P\r\nhttp:", "P\r\nfirefox http://example.org", "P\r\n1st:thing"})
    EXPECT_NE(Plan(entry).kind, ProgramLaunchPlan::Kind::OpenAddress) << entry;
}

TEST_F(PlanProgramLaunchTest, NothingOrARefusal) {
  EXPECT_EQ(Plan("no line feed").kind, ProgramLaunchPlan::Kind::Nothing);
  const ProgramLaunchPlan empty = Plan("Desc\r\n   ");
  EXPECT_EQ(empty.kind, ProgramLaunchPlan::Kind::Refused);
  EXPECT_FALSE(empty.reason.empty());
  EXPECT_EQ(Plan("Desc\r\n''").kind, ProgramLaunchPlan::Kind::Refused);
  const ProgramLaunchPlan open = Plan("Desc\r\nfirefox 'http://a.org");
  EXPECT_EQ(open.kind, ProgramLaunchPlan::Kind::Refused);
  EXPECT_NE(open.reason.find("quote"), std::string::npos);
}

}  // namespace
}  // namespace zelto
