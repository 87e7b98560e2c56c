#include "common/PhoneNumbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelto {
namespace {

using Numbers = std::vector<PhoneNumber>;

Numbers Scan(const std::string& text, const PhoneSettings& s = {}, std::size_t limit = 6) {
  return ExtractPhoneNumbers(text, limit, s);
}

TEST(ExtractPhoneNumbers, DefaultLengthRulesAndDisplayForms) {
  EXPECT_EQ(Scan("Call 555-1234 now"), (Numbers{{"5551234", "555-1234"}}));
  EXPECT_EQ(Scan("(800) 555-1212"), (Numbers{{"18005551212", "1 (800) 555-1212"}}));
  EXPECT_EQ(Scan("1 (800) 555-1212"), (Numbers{{"18005551212", "1 (800) 555-1212"}}));
  EXPECT_EQ(Scan("+1 800 555 1212"), (Numbers{{"18005551212", "1 (800) 555-1212"}}));
  EXPECT_EQ(Scan("fax 555/1234"), (Numbers{{"5551234", "555-1234"}}));
  EXPECT_TRUE(Scan("555-12345").empty());
  EXPECT_TRUE(Scan("123").empty());
  EXPECT_TRUE(Scan("").empty());
  EXPECT_TRUE(Scan("no digits here").empty());
}

TEST(ExtractPhoneNumbers, SeveralNumbersInOrderUpToTheLimit) {
  EXPECT_EQ(Scan("555-1234, 555-9876"),
            (Numbers{{"5551234", "555-1234"}, {"5559876", "555-9876"}}));
  const std::string seven =
      "a 111-1111 b 222-2222 c 333-3333 d 444-4444 e 555-5555 "
      "f 666-6666 g 777-7777";
  const Numbers six = Scan(seven);
  ASSERT_EQ(six.size(), 6u);
  EXPECT_EQ(six.front().dialString, "1111111");
  EXPECT_EQ(six.back().dialString, "6666666");
  EXPECT_EQ(Scan(seven, {}, 2).size(), 2u);
  EXPECT_TRUE(Scan(seven, {}, 0).empty());
  // Numbers separated only by blanks run together into one (rejected) candidate.
  EXPECT_TRUE(Scan("555-1234 555-9876").empty());
}

TEST(ExtractPhoneNumbers, UnbalancedClosingParenthesisEndsTheCandidate) {
  EXPECT_EQ(Scan(") 555-1234"), (Numbers{{"5551234", "555-1234"}}));
  // The ')' is used up with the digits before it, which are rejected (too short).
  EXPECT_EQ(Scan("12) 555-1234"), (Numbers{{"5551234", "555-1234"}}));
  // A closing parenthesis right after seven digits ends an accepted number.
  EXPECT_EQ(Scan("5551234)x"), (Numbers{{"5551234", "555-1234"}}));
}

TEST(ExtractPhoneNumbers, PhoneAsIsCountsDigitsAgainstMinPhone) {
  PhoneSettings s;
  s.PhoneAsIs = true;
  s.MinPhone = 6;
  EXPECT_EQ(Scan("12-34-56", s), (Numbers{{"123456", "123456"}}));
  EXPECT_TRUE(Scan("12345", s).empty());
  // No display rewriting and no prefix when dialling as written.
  EXPECT_EQ(Scan("555-1234", s), (Numbers{{"5551234", "5551234"}}));
  // The outside line's digits count; commas do not.
  s.OutsideLine = "9";
  EXPECT_EQ(Scan("12345", s), (Numbers{{"912345", "912345"}}));
  s.OutsideLine.clear();
  s.KeepCommas = true;
  EXPECT_TRUE(Scan("12,345", s).empty());
}

TEST(ExtractPhoneNumbers, OutsideLineCountsTowardsTheLength) {
  PhoneSettings s;
  s.OutsideLine = "9";
  EXPECT_TRUE(Scan("555-1234", s).empty());  // 95551234 has 8 characters
  s.PhoneLength1 = 8;
  EXPECT_EQ(Scan("555-1234", s), (Numbers{{"95551234", "95551234"}}));
  // The prefix goes in front of the outside line.
  s.PhonePrefix1 = "0";
  EXPECT_EQ(Scan("555-1234", s), (Numbers{{"095551234", "95551234"}}));
}

TEST(ExtractPhoneNumbers, CommasAndWaitsAreKeptOnlyWhenAsked) {
  PhoneSettings s;
  EXPECT_EQ(Scan("555,1234", s), Numbers{});  // the comma ends "555"
  s.KeepCommas = true;
  EXPECT_TRUE(Scan("555,1234", s).empty());  // 8 characters
  EXPECT_EQ(Scan("55,5123", s), (Numbers{{"55,5123", "55,-5123"}}));
  s = {};
  EXPECT_TRUE(Scan("555w1234", s).empty());
  s.KeepW = true;
  s.PhoneLength1 = 8;
  EXPECT_EQ(Scan("555w1234", s), (Numbers{{"555w1234", "555w1234"}}));
  EXPECT_EQ(Scan("555W1234", s), (Numbers{{"555W1234", "555W1234"}}));
}

TEST(ExtractPhoneNumbers, PlusTextReplacesEveryPlusSign) {
  PhoneSettings s;
  s.Plus = "00";
  s.PhoneLength3 = 13;
  EXPECT_EQ(Scan("+1 800 555 1212", s), (Numbers{{"0018005551212", "0018005551212"}}));
  // Without a Plus text only leading signs are dropped; an inner one ends the candidate.
  s = {};
  EXPECT_EQ(Scan("++555-1234", s), (Numbers{{"5551234", "555-1234"}}));
  EXPECT_EQ(Scan("555+1234567", s), (Numbers{{"1234567", "123-4567"}}));
}

TEST(ExtractPhoneNumbers, SettingsVaried) {
  struct Row {
    const char* text;
    PhoneSettings settings;
    Numbers expected;
  };
  PhoneSettings europe;
  europe.PhoneLength1 = 9;
  europe.PhonePrefix1 = "0";
  europe.PhoneLength2 = 12;
  europe.PhonePrefix2 = "00";
  europe.PhoneLength3 = 0;
  PhoneSettings prefixed11 = {};
  prefixed11.PhonePrefix3 = "+";
  PhoneSettings office = {};
  office.OutsideLine = "0";
  office.PhoneLength1 = 4;
  office.PhoneLength2 = 8;
  office.PhonePrefix2 = "";
  const std::vector<Row> rows = {
      {"Tel. 030/123 456", europe, {{"0030123456", "030123456"}}},
      {"+49 30 123456 78", europe, {{"00493012345678", "493012345678"}}},
      {"12345678901", prefixed11, {{"+12345678901", "12345678901"}}},
      {"ext 123", office, {{"0123", "0123"}}},
      {"555-1234", office, {{"05551234", "05551234"}}},
      {"room 12, 555-1234 or 555-123", office, {{"05551234", "05551234"}}},
  };
  for (const Row& r : rows) EXPECT_EQ(Scan(r.text, r.settings), r.expected) << r.text;
}

TEST(ExtractPhoneNumbers, CandidatesWithoutDigitsAreNeverNumbers) {
  // With no minimum or an outside line that alone would pass, words must not turn into
  // empty numbers.
  PhoneSettings s;
  s.PhoneAsIs = true;
  s.MinPhone = 0;
  EXPECT_TRUE(Scan("see you at noon", s).empty());
  s.MinPhone = 1;
  s.OutsideLine = "9";
  EXPECT_TRUE(Scan("a b c", s).empty());
  EXPECT_EQ(Scan("a 5 b", s), (Numbers{{"95", "95"}}));
  s = {};
  s.OutsideLine = "1234567";
  EXPECT_TRUE(Scan("x", s).empty());
}

TEST(SelectionPhoneNumber, ScansOnlyTheFirstCandidateAndSkipsParentheses) {
  const PhoneSettings s;
  EXPECT_EQ(SelectionPhoneNumber("555-1234 Bob", s), (PhoneNumber{"5551234", "555-1234"}));
  EXPECT_EQ(SelectionPhoneNumber("(800) 555-1212 ", s),
            (PhoneNumber{"18005551212", "1 (800) 555-1212"}));
  // Parentheses never end it, even unbalanced ones.
  EXPECT_EQ(SelectionPhoneNumber(") 555-1234", s), (PhoneNumber{"5551234", "555-1234"}));
  EXPECT_EQ(SelectionPhoneNumber("555)-1234", s), (PhoneNumber{"5551234", "555-1234"}));
  // A word first: nothing, and no second candidate is tried.
  EXPECT_FALSE(SelectionPhoneNumber("Bob 555-1234", s));
  EXPECT_FALSE(SelectionPhoneNumber("12, 555-1234", s));
  EXPECT_FALSE(SelectionPhoneNumber("", s));
  EXPECT_EQ(SelectionPhoneNumber("+1 800 555 1212", s),
            (PhoneNumber{"18005551212", "1 (800) 555-1212"}));
}

TEST(CalledParty, FirstTwentyFiveCharactersAndDots) {
  EXPECT_EQ(CalledParty("abc"), "abc...");
  EXPECT_EQ(CalledParty(""), "...");
  EXPECT_EQ(CalledParty("Jane Doe, plumber, call after 6pm"), "Jane Doe, plumber, call a...");
  EXPECT_EQ(PhoneItemText({"5551234", "555-1234"}), "Phone 555-1234");
}

}  // namespace
}  // namespace zelto
