#include "view/NoteDialogText.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

TEST(NoteDialogCaption, CutAtOneHundredFiftyCharacters) {
  EXPECT_EQ(NoteDialogCaption("Edit entry"), "Edit entry");
  EXPECT_EQ(NoteDialogCaption(std::string(151, 'c')), std::string(150, 'c'));
  EXPECT_EQ(NoteDialogCaption(std::string(150, 'c')), std::string(150, 'c'));
}

TEST(DateFormat, EveryStyle) {
  const LocalDateTime t{2026, 12, 9, 14, 5, 9};
  EXPECT_EQ(FormatDate(t, DateStyle::Normal), "December 9, 2026");
  EXPECT_EQ(FormatDate(t, DateStyle::Terse), "9-Dec-2026");
  EXPECT_EQ(FormatDate(t, DateStyle::Numbers), "12/9/2026");
  EXPECT_EQ(FormatDate(t, DateStyle::EuropeanNumbers), "9/12/2026");
  EXPECT_EQ(FormatDate(t, DateStyle::European), "9 December 2026");
  EXPECT_EQ(FormatDate(t, DateStyle::Iso), "2026-12-09");
  EXPECT_EQ(FormatTimeOfDay(t), "14:05:09");
  EXPECT_EQ(FormatTimeOfDay(LocalDateTime{2000, 1, 1, 0, 0, 0}), "00:00:00");
}

TEST(DateFormat, InsertedTextsAndUnknownStyles) {
  const LocalDateTime t{1999, 1, 31, 23, 59, 58};
  EXPECT_EQ(InsertedDateText(DateInsert::DateAndTime, t, 0), "January 31, 1999 23:59:58");
  EXPECT_EQ(InsertedDateText(DateInsert::Date, t, 4), "31 January 1999");
  EXPECT_EQ(InsertedDateText(DateInsert::Time, t, 4), "23:59:58");
  EXPECT_EQ(DateStyleOf(6), DateStyle::Normal);
  EXPECT_EQ(DateStyleOf(0xFFFFFFFFu), DateStyle::Normal);
  EXPECT_EQ(InsertedDateText(DateInsert::Date, t, 1000), "January 31, 1999");
}

TEST(DateFormat, LocalTimeOfATimePoint) {
  std::tm tm{};
  tm.tm_year = 2024 - 1900;
  tm.tm_mon = 1;
  tm.tm_mday = 29;
  tm.tm_hour = 12;
  tm.tm_min = 30;
  tm.tm_sec = 15;
  tm.tm_isdst = -1;
  const auto when = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  const LocalDateTime t = ToLocalDateTime(when);
  EXPECT_EQ(FormatDate(t, DateStyle::Iso), "2024-02-29");
  EXPECT_EQ(FormatTimeOfDay(t), "12:30:15");
}

}  // namespace
}  // namespace zelto
