#include "mainwin/EntryActions.h"

#include <gtest/gtest.h>

#include "common/WebLinks.h"
#include "model/Records.h"

namespace zelto {
namespace {

TEST(FindUrl, FindsHttpThenFtpUpToTheFirstSeparator) {
  EXPECT_EQ(FindUrl("see http:abc def", true), "http:abc");
  EXPECT_EQ(FindUrl("HTTP:abc", true), "HTTP:abc");
  EXPECT_EQ(FindUrl("softphone", true), "ftphone");
  // "http" wins over an earlier "ftp".
  EXPECT_EQ(FindUrl("ftp://a.org then http://b.org", true), "http://b.org");
  EXPECT_EQ(FindUrl("x http://a.org\tnext", true), "http://a.org");
  EXPECT_EQ(FindUrl("Home\r\nhttp://a.org/x\r\nmore", true), "http://a.org/x");
  EXPECT_EQ(FindUrl(std::string("http://a\0b", 10), true), "http://a");
  EXPECT_EQ(FindUrl("ends http", true), "http");
  EXPECT_FALSE(FindUrl("no link here", true));
  EXPECT_FALSE(FindUrl("see http://a.org", false));
}

TEST(IsWebAddress, OnlyAddressesWithAWebSchemeAndAHost) {
  EXPECT_TRUE(IsWebAddress("http://example.org"));
  EXPECT_TRUE(IsWebAddress("HTTPS://example.org/a?b=c#d"));
  EXPECT_TRUE(IsWebAddress("ftp://ftp.example.org/pub"));
  EXPECT_FALSE(IsWebAddress("http:abc"));
  EXPECT_FALSE(IsWebAddress("ftphone"));
  EXPECT_FALSE(IsWebAddress("http"));
  EXPECT_FALSE(IsWebAddress("http://"));
  EXPECT_FALSE(IsWebAddress("http:///etc/passwd"));
  EXPECT_FALSE(IsWebAddress("httpd.conf"));
  EXPECT_FALSE(IsWebAddress("file:///etc/passwd"));
  EXPECT_FALSE(IsWebAddress("http://a.org/\x01"));
  EXPECT_FALSE(IsWebAddress("http://a.org/x y"));
  EXPECT_NE(NotWebAddressMessage("ftphone").find("\"ftphone\" is not a web address"),
            std::string::npos);
}

TEST(FindWebAddress, AFoundTextThatIsNoWebAddressIsNoLink) {
  EXPECT_EQ(FindWebAddress("see http://a.org/x now", true), "http://a.org/x");
  for (const char* text : {"softphone", "the ftp server", "see http:abc def"})
    EXPECT_FALSE(FindWebAddress(text, true)) << text;
  EXPECT_FALSE(FindWebAddress("see http://a.org", false));
  const PhoneSettings defaults;
  const ActionItems items = NoteLineActions("softphone 555-1234", true, defaults);
  EXPECT_FALSE(items.LinkItem());
  EXPECT_EQ(items.PhoneItems(), std::vector<std::string>{"Phone 555-1234"});
}

TEST(LinkItemText, LongLinksAreCutInTheItemOnly) {
  EXPECT_EQ(LinkItemText("http:abc"), "Link to URL http:abc");
  const std::string link = "http://example.org/" + std::string(300, 'a');
  const std::string item = LinkItemText(link);
  EXPECT_EQ(item.size(), MaxLinkItemLength);
  EXPECT_EQ(item.substr(0, 31), "Link to URL http://example.org/");
  EXPECT_EQ(item.substr(item.size() - 3), "...");
  const std::string exact = std::string(MaxLinkItemLength - 12, 'x');
  EXPECT_EQ(LinkItemText(exact), "Link to URL " + exact);

  ActionItems items;
  items.link = link;
  ActionState state;
  items.ApplyTo(state);
  EXPECT_EQ(state.lastUrl, link);
  EXPECT_EQ(MenuLiteral("http://a.org/?x=1&y=2"), "http://a.org/?x=1&&y=2");
}

TEST(ChooseActivation, KindEditFlagAndClickUrl) {
  const auto text = static_cast<std::uint8_t>(EntryKind::Text);
  const auto program = static_cast<std::uint8_t>(EntryKind::Program);
  EXPECT_EQ(ChooseActivation(program, false, true, true), NoteActivation::RunProgram);
  EXPECT_EQ(ChooseActivation(program | NoPrint, false, true, false), NoteActivation::RunProgram);
  EXPECT_EQ(ChooseActivation(program, true, true, true), NoteActivation::Edit);
  EXPECT_EQ(ChooseActivation(text, false, true, true), NoteActivation::OpenLink);
  EXPECT_EQ(ChooseActivation(text, false, false, true), NoteActivation::Edit);
  EXPECT_EQ(ChooseActivation(text, false, true, false), NoteActivation::Edit);
  EXPECT_EQ(ChooseActivation(text, true, true, true), NoteActivation::Edit);
  EXPECT_EQ(ChooseActivation(2, false, true, true), NoteActivation::Nothing);
  EXPECT_EQ(ChooseActivation(3, true, true, true), NoteActivation::Edit);
}

TEST(NoteLineActions, LinkPhonesAndCalledParty) {
  const PhoneSettings defaults;
  const ActionItems items =
      NoteLineActions("Plumber http://plumb.example 555-1234, (800) 555-1212", true, defaults);
  EXPECT_EQ(items.LinkItem(), "Link to URL http://plumb.example");
  EXPECT_EQ(items.PhoneItems(),
            (std::vector<std::string>{"Phone 555-1234", "Phone 1 (800) 555-1212"}));
  EXPECT_EQ(items.calledParty, "Plumber http://plumb.exam...");

  ActionState state;
  state.lastUrl = "old";
  state.dialStrings = {"a", "b", "c", "d", "e", "f"};
  items.ApplyTo(state);
  EXPECT_EQ(state.lastUrl, "http://plumb.example");
  EXPECT_EQ(state.dialStrings[0], "5551234");
  EXPECT_EQ(state.dialStrings[1], "18005551212");
  EXPECT_EQ(state.dialStrings[2], "c");  // no item leads to an unfilled slot

  // Without a link the last one stays for a command that is no longer offered.
  const ActionItems none = NoteLineActions("abc", true, defaults);
  EXPECT_FALSE(none.LinkItem());
  EXPECT_TRUE(none.PhoneItems().empty());
  none.ApplyTo(state);
  EXPECT_EQ(state.calledParty, "abc...");
  EXPECT_FALSE(NoteLineActions("http://a.org", false, defaults).link);
}

TEST(DetailSelection, CleaningKeepsPrintableAsciiOnly) {
  EXPECT_EQ(CleanSelection("http://exa\r\nmple.org"), "http://example.org");
  EXPECT_EQ(CleanSelection("caf\xE9 \x7F\x01\ttab"), "caf \x7Ftab");
  EXPECT_EQ(CleanSelection(""), "");
}

TEST(DetailSelection, LinkOnlyWithBrowserAndAtTheStart) {
  const PhoneSettings defaults;
  const std::string broken = CleanSelection("http://exa\r\nmple.org/a b");
  const ActionItems withBrowser = DetailSelectionActions(broken, true, defaults);
  EXPECT_EQ(withBrowser.link, "http://example.org/a b");  // whole selection, blank kept
  EXPECT_EQ(withBrowser.LinkItem(), "Link to URL http://example.org/a b");
  EXPECT_FALSE(DetailSelectionActions(broken, false, defaults).link);
  EXPECT_EQ(DetailSelectionActions("FTP.example", true, defaults).link, "FTP.example");
  EXPECT_FALSE(DetailSelectionActions("see http://a.org", true, defaults).link);
}

TEST(DetailSelection, PhoneItemFromTheFirstCandidate) {
  const PhoneSettings defaults;
  const ActionItems empty = DetailSelectionActions("", false, defaults);
  EXPECT_FALSE(empty.link);
  EXPECT_TRUE(empty.numbers.empty());
  EXPECT_EQ(empty.calledParty, "...");

  const ActionItems local = DetailSelectionActions("555-1234 Bob", false, defaults);
  EXPECT_EQ(local.PhoneItems(), std::vector<std::string>{"Phone 555-1234"});
  EXPECT_EQ(local.numbers[0].dialString, "5551234");

  const ActionItems area = DetailSelectionActions("(800) 555-1212 ", false, defaults);
  EXPECT_EQ(area.PhoneItems(), std::vector<std::string>{"Phone 1 (800) 555-1212"});

  EXPECT_TRUE(DetailSelectionActions("Bob 555-1234", false, defaults).numbers.empty());

  ActionState state;
  state.dialStrings[1] = "kept";
  area.ApplyTo(state);
  EXPECT_EQ(state.dialStrings[0], "18005551212");
  EXPECT_EQ(state.dialStrings[1], "kept");
  EXPECT_EQ(state.calledParty, "(800) 555-1212 ...");
}

}  // namespace
}  // namespace zelto
