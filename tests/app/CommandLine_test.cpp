#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <set>

namespace zelto {
namespace {

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineAction Parse(const std::vector<std::string>& args) {
    return ParseCommandLine(args, [this](const std::string& path) { return files.contains(path); });
  }
  std::set<std::string> files;
};

TEST_F(CommandLineTest, UnregisterOptions) {
  for (const char* option : {"-unregister", "/U", "/UNREG", "-u", "-", "/", "-Unreg=yes", "-=x",
                             "--unregister", "--u"}) {
    EXPECT_TRUE(Parse({option}).unregister) << option;
  }
  for (const char* other :
       {"-x", "/unregistered", "-unregisterx", "--", "---u", "u", "notes.zlt", "/u/x", "/help"}) {
    EXPECT_FALSE(Parse({other}).unregister) << other;
  }
  // Any option may ask for it, not only the first.
  EXPECT_TRUE(Parse({"-x", "/U"}).unregister);
}

TEST_F(CommandLineTest, DocumentNameIsTheWholeCommandLine) {
  EXPECT_EQ(Parse({}).documentName, "");
  EXPECT_FALSE(Parse({}).unregister);
  EXPECT_EQ(Parse({"C:\\notes\\home.zlt"}).documentName, "C:\\notes\\home.zlt");
  // A name with blanks arrives whole, quoted, or in pieces when it was not quoted.
  EXPECT_EQ(Parse({"my notes.zlt"}).documentName, "my notes.zlt");
  EXPECT_EQ(Parse({"my", "notes.zlt"}).documentName, "my notes.zlt");
  EXPECT_EQ(Parse({"-x", "a.zlt"}).documentName, "-x a.zlt");
  // The unregister option is not part of the name.
  EXPECT_EQ(Parse({"-unregister"}).documentName, "");
  EXPECT_EQ(Parse({"/U", "a.zlt"}).documentName, "a.zlt");
}

TEST_F(CommandLineTest, AbsolutePathsAreNoOptions) {
  CommandLineAction a = Parse({"/home/me/a.zlt"});
  EXPECT_FALSE(a.unregister);
  EXPECT_EQ(a.documentName, "/home/me/a.zlt");
  // A quoted path with blanks, and one that ends in what looks like an option.
  EXPECT_FALSE(Parse({"/home/me/my notes -u"}).unregister);
  EXPECT_FALSE(Parse({"/tmp/-u"}).unregister);
  // A file right under the root is a name when it exists, an option while it does not.
  EXPECT_TRUE(Parse({"/u"}).unregister);
  files.insert("/u");
  a = Parse({"/u"});
  EXPECT_FALSE(a.unregister);
  EXPECT_EQ(a.documentName, "/u");
}

TEST(CommandLineJoin, SingleBlanksBetweenArguments) {
  EXPECT_EQ(JoinCommandLine({"a", "", "b c"}), "a  b c");
  EXPECT_EQ(JoinCommandLine({}), "");
}

}  // namespace
}  // namespace zelto
