#include "common/SettingsStore.h"

#include <charconv>
#include <cmath>

namespace zelto {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// One signed decimal integer after optional blanks, as "%d" reads it; advances `text`.
std::optional<long long> TakeInteger(std::string_view& text) {
  std::string_view rest = SkipBlanks(text);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  if (rest.empty() || rest.front() < '0' || rest.front() > '9') return std::nullopt;
  long long value = 0;
  auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (ec != std::errc{}) return std::nullopt;
  text = rest.substr(static_cast<std::size_t>(end - rest.data()));
  return negative ? -value : value;
}

}  // namespace

std::optional<Colour> ParseColour(std::string_view text) {
  long long parts[3] = {};
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (text.empty() || text.front() != ',') return std::nullopt;
      text.remove_prefix(1);
    }
    auto number = TakeInteger(text);
    if (!number) return std::nullopt;
    // Only the program's own writes are guaranteed to be bytes; a number outside 0..255
    // would spill into the neighbouring component, so such a text is no colour at all.
    if (*number < 0 || *number > 255) return std::nullopt;
    parts[i] = *number;
  }
  return Rgb(static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
             static_cast<std::uint8_t>(parts[2]));
}

std::string ColourText(Colour colour) {
  return std::to_string(RedOf(colour)) + "," + std::to_string(GreenOf(colour)) + "," +
         std::to_string(BlueOf(colour));
}

std::optional<double> ParseReal(std::string_view text) {
  text = SkipBlanks(text);
  // from_chars takes no '+'; a '+' followed by another sign is no number.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
  }
  // A decimal comma, as many people type and keep it, stands for the point: the comma right
  // after the sign and the whole digits.
  std::string number(text);
  std::size_t wholeEnd = number.empty() || number.front() == '-' ? 1 : 0;
  while (wholeEnd < number.size() && number[wholeEnd] >= '0' && number[wholeEnd] <= '9') ++wholeEnd;
  if (wholeEnd < number.size() && number[wholeEnd] == ',') number[wholeEnd] = '.';
  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc{} || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseDword(std::string_view text) {
  auto number = TakeInteger(text);
  if (!number || !SkipBlanks(text).empty()) return std::nullopt;
  if (*number > 0xFFFFFFFFLL || *number < -0x80000000LL) return std::nullopt;
  return static_cast<std::uint32_t>(*number);
}

bool SettingsStore::OpenSettingsKey() {
  if (!open_) open_ = Open();
  return open_;
}

void SettingsStore::CloseSettingsKey() {
  if (!open_) return;
  Close();
  open_ = false;
}

std::optional<StoredValue> SettingsStore::Lookup(std::string_view name) const {
  if (!open_) return std::nullopt;
  return Get(name);
}

bool SettingsStore::HasValue(std::string_view name) const { return Lookup(name).has_value(); }

std::uint32_t SettingsStore::ReadDword(std::string_view name, std::uint32_t fallback) const {
  auto value = Lookup(name);
  if (!value) return fallback;
  if (auto* number = std::get_if<std::uint32_t>(&*value)) return *number;
  // Text files keep no types: a number written earlier comes back as its digits.
  return ParseDword(std::get<std::string>(*value)).value_or(fallback);
}

std::string SettingsStore::ReadString(std::string_view name, std::string_view fallback,
                                      std::size_t maxLength) const {
  auto value = Lookup(name);
  if (!value) return std::string(fallback);
  if (auto* number = std::get_if<std::uint32_t>(&*value)) return std::to_string(*number);
  std::string& text = std::get<std::string>(*value);
  if (text.size() > maxLength) return std::string(fallback);
  return std::move(text);
}

Colour SettingsStore::ReadColour(std::string_view name, Colour fallback) const {
  if (!HasValue(name)) return fallback;
  return ParseColour(ReadString(name, "")).value_or(fallback);
}

double SettingsStore::ReadReal(std::string_view name, double fallback) const {
  if (!HasValue(name)) return fallback;
  return ParseReal(ReadString(name, "")).value_or(fallback);
}

bool SettingsStore::WriteDword(std::string_view name, std::uint32_t value) {
  return open_ && Set(name, StoredValue(value));
}

bool SettingsStore::WriteString(std::string_view name, std::string_view text) {
  return open_ && Set(name, StoredValue(std::string(text)));
}

bool SettingsStore::WriteColour(std::string_view name, Colour colour) {
  return WriteString(name, ColourText(colour));
}

void MemorySettingsStore::Put(std::string_view name, StoredValue value) {
  values_.insert_or_assign(std::string(name), std::move(value));
}

std::optional<StoredValue> MemorySettingsStore::Peek(std::string_view name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemorySettingsStore::Erase(std::string_view name) {
  auto it = values_.find(name);
  if (it != values_.end()) values_.erase(it);
}

bool MemorySettingsStore::Open() {
  if (unavailable_) return false;
  ++openCount_;
  return true;
}

std::optional<StoredValue> MemorySettingsStore::Get(std::string_view name) const {
  return Peek(name);
}

bool MemorySettingsStore::Set(std::string_view name, const StoredValue& value) {
  Put(name, value);
  return true;
}

}  // namespace zelto
