#include "common/DialogNumber.h"

#include <limits>

namespace zelto {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int64_t LeadingDecimal(std::string_view text) {
  text = text.substr(0, MaxEditText);
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
  }
  return negative ? -value : value;
}

}  // namespace zelto
