#include "view/NoteDialogText.h"

#include <array>
#include <ctime>

namespace zelto {

namespace {

constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string_view MonthName(int month) {
  return (month >= 1 && month <= 12) ? MonthNames[static_cast<std::size_t>(month - 1)] : "?";
}

std::string TwoDigits(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}

}  // namespace

std::string NoteDialogCaption(std::string_view caption) {
  return std::string(caption.substr(0, MaxCaptionLength));
}

DateStyle DateStyleOf(unsigned dateFormat) {
  return dateFormat < DateStyleCount ? static_cast<DateStyle>(dateFormat) : DateStyle::Normal;
}

LocalDateTime ToLocalDateTime(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  // The program has one thread, so the shared result of localtime is safe to read here.
  const std::tm* tm = std::localtime(&t);
  if (!tm) return {};
  return {tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday, tm->tm_hour, tm->tm_min, tm->tm_sec};
}

std::string FormatDate(const LocalDateTime& t, DateStyle style) {
  const std::string day = std::to_string(t.day), month = std::to_string(t.month),
                    year = std::to_string(t.year);
  switch (style) {
    case DateStyle::Terse:
      return day + "-" + std::string(MonthName(t.month).substr(0, 3)) + "-" + year;
    case DateStyle::Numbers:
      return month + "/" + day + "/" + year;
    case DateStyle::EuropeanNumbers:
      return day + "/" + month + "/" + year;
    case DateStyle::European:
      return day + " " + std::string(MonthName(t.month)) + " " + year;
    case DateStyle::Iso:
      return year + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day);
    case DateStyle::Normal:
      break;
  }
  return std::string(MonthName(t.month)) + " " + day + ", " + year;
}

std::string FormatTimeOfDay(const LocalDateTime& t) {
  return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" + TwoDigits(t.second);
}

std::string InsertedDateText(DateInsert what, const LocalDateTime& t, unsigned dateFormat) {
  switch (what) {
    case DateInsert::Date:
      return FormatDate(t, DateStyleOf(dateFormat));
    case DateInsert::Time:
      return FormatTimeOfDay(t);
    case DateInsert::DateAndTime:
      break;
  }
  return FormatDate(t, DateStyleOf(dateFormat)) + " " + FormatTimeOfDay(t);
}

}  // namespace zelto
