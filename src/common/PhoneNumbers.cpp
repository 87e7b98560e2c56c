#include "common/PhoneNumbers.h"

#include <algorithm>

namespace zelto {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), IsDigit));
}

enum class Parentheses {
  Balanced,  // a ')' without its '(' ends the candidate
  Skipped,   // '(' and ')' are separators like a blank
};

// Collects one candidate from position i onwards (i advances past what is used up).
std::string CollectCandidate(std::string_view s, std::size_t& i, const PhoneSettings& set,
                             Parentheses parens) {
  if (set.Plus.empty())
    while (i < s.size() && s[i] == '+') ++i;
  std::string digits;
  int open = 0, close = 0;
  while (i < s.size()) {
    const char ch = s[i++];
    if (parens == Parentheses::Balanced) {
      if (ch == '(') ++open;
      if (ch == ')') ++close;
      if (close > open) break;
    }
    if ((ch == ',' && set.KeepCommas) || ((ch == 'W' || ch == 'w') && set.KeepW) || IsDigit(ch))
      digits += ch;
    else if (ch == ' ' || ch == '/' || ch == '-' || ch == '(' || ch == ')')
      continue;
    else if (ch == '+' && !set.Plus.empty())
      digits += set.Plus;
    else
      break;
  }
  return digits;
}

// "5551234" -> "555-1234"; "18005551212" -> "1 (800) 555-1212"; others unchanged.
std::string DisplayForm(const std::string& number, const std::string& asCollected) {
  if (number.size() == 7) return number.substr(0, 3) + "-" + number.substr(3);
  if (number.size() == 11)
    return number.substr(0, 1) + " (" + number.substr(1, 3) + ") " + number.substr(4, 3) + "-" +
           number.substr(7);
  return asCollected;
}

// Applies the acceptance rules to a collected candidate.
std::optional<PhoneNumber> Decide(const std::string& collected, const PhoneSettings& set) {
  // A candidate with no digit of its own (a word, a lone separator) is no number, even
  // when the outside-line text or a minimum of 0 would let it pass: dialling it would
  // dial nothing but the prefix.
  if (CountDigits(collected) == 0) return std::nullopt;
  std::string number = set.OutsideLine + collected;
  if (set.PhoneAsIs) {
    if (CountDigits(number) < set.MinPhone) return std::nullopt;
    return PhoneNumber{number, number};
  }
  const std::string shown = number;
  if (number.size() == set.PhoneLength1)
    number = set.PhonePrefix1 + number;
  else if (number.size() == set.PhoneLength2)
    number = set.PhonePrefix2 + number;
  else if (number.size() == set.PhoneLength3)
    number = set.PhonePrefix3 + number;
  else
    return std::nullopt;
  return PhoneNumber{number, DisplayForm(number, shown)};
}

}  // namespace

std::vector<PhoneNumber> ExtractPhoneNumbers(std::string_view text, std::size_t limit,
                                             const PhoneSettings& settings) {
  std::vector<PhoneNumber> found;
  std::size_t i = 0;
  while (found.size() < limit && i < text.size()) {
    const std::string collected = CollectCandidate(text, i, settings, Parentheses::Balanced);
    if (auto number = Decide(collected, settings)) found.push_back(std::move(*number));
  }
  return found;
}

std::optional<PhoneNumber> SelectionPhoneNumber(std::string_view cleaned,
                                                const PhoneSettings& settings) {
  std::size_t i = 0;
  return Decide(CollectCandidate(cleaned, i, settings, Parentheses::Skipped), settings);
}

std::string CalledParty(std::string_view text) { return std::string(text.substr(0, 25)) + "..."; }

std::string PhoneItemText(const PhoneNumber& number) { return "Phone " + number.display; }

}  // namespace zelto
