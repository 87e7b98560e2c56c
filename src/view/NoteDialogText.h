#pragma once
// Texts of the note dialog: its caption, and the dates and times its editor inserts.
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace zelto {

// The longest caption of the note dialog; a longer one is cut.
inline constexpr std::size_t MaxCaptionLength = 150;
std::string NoteDialogCaption(std::string_view caption);

// The styles of the DateFormat setting. They use English month names and four-digit
// years whatever the desktop's language, so a note reads the same everywhere.
enum class DateStyle : unsigned {
  Normal = 0,           // December 9, 2026
  Terse = 1,            // 9-Dec-2026
  Numbers = 2,          // 12/9/2026 (month/day/year)
  EuropeanNumbers = 3,  // 9/12/2026 (day/month/year)
  European = 4,         // 9 December 2026
  Iso = 5,              // 2026-12-09
};
inline constexpr unsigned DateStyleCount = 6;

// The style of a DateFormat value; a value outside the known styles gives Normal.
DateStyle DateStyleOf(unsigned dateFormat);

// A calendar date and a time of day, in local time.
struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The local date and time of a time point.
LocalDateTime ToLocalDateTime(std::chrono::system_clock::time_point when);

std::string FormatDate(const LocalDateTime& t, DateStyle style);
// The time of day as hours, minutes and seconds on a 24-hour clock: "14:05:09".
std::string FormatTimeOfDay(const LocalDateTime& t);

// What the note editor inserts.
enum class DateInsert {
  DateAndTime,  // Ctrl+B: the date, a blank, the time of day
  Date,         // Ctrl+D
  Time,         // Ctrl+T
};
std::string InsertedDateText(DateInsert what, const LocalDateTime& t, unsigned dateFormat);

}  // namespace zelto
