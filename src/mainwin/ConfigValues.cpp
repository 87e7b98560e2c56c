#include "mainwin/ConfigValues.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/ZeltoSettings.h"

namespace zelto {

std::string MarginText(double margin) {
  // Only accepted margins (0 to below 10) are ever shown, but a stored value edited by hand
  // must not overflow the integer either.
  const double scaled = std::trunc(margin * 100 + 0.5);
  const long long b =
      std::isfinite(scaled) && std::fabs(scaled) < 1e15 ? static_cast<long long>(scaled) : 0;
  char text[48];
  const long long whole = b / 100;
  const long long hundredths = b % 100;
  std::snprintf(text, sizeof text, hundredths > 9 ? "%lld.%lld" : "%lld.0%lld", whole, hundredths);
  return text;
}

std::optional<std::uint32_t> TypedColumnCount(std::string_view text) {
  // Leading blanks and one sign, then digits; anything after them is ignored.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1000)
    value = value * 10 + (text[i++] - '0');
  if (negative) value = -value;
  if (value < 0 || !IsValidColumnCount(static_cast<std::uint32_t>(value))) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::optional<double> TypedMargin(std::string_view text) {
  const std::optional<double> value = ParseReal(text);
  if (!value || !IsValidMargin(*value)) return std::nullopt;
  return value;
}

std::array<Colour, 16> InitialCustomColours() {
  std::array<Colour, 16> colours{};
  colours[0] = Rgb(1, 1, 1);
  for (int k = 1; k < 16; ++k) {
    const auto grey = static_cast<std::uint8_t>(16 * k);
    colours[static_cast<std::size_t>(k)] = Rgb(grey, grey, grey);
  }
  return colours;
}

}  // namespace zelto
