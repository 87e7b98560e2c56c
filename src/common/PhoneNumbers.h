#pragma once
// Finding phone numbers in note texts and turning them into dial strings and the forms
// shown on the popup menu. Texts are Windows-1252 bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

// The dialling settings, named like their stored values.
struct PhoneSettings {
  std::string OutsideLine;     // put in front of every number
  std::string Plus;            // replaces '+'; empty: leading '+' signs are dropped
  bool KeepCommas = false;     // keep ',' (dial pause)
  bool KeepW = false;          // keep 'W'/'w' (wait for dial tone)
  bool PhoneAsIs = false;      // dial as written instead of applying the length rules
  std::uint32_t MinPhone = 6;  // fewest digits a number needs when PhoneAsIs is set
  std::uint32_t PhoneLength1 = 7;
  std::string PhonePrefix1;
  std::uint32_t PhoneLength2 = 10;
  std::string PhonePrefix2 = "1";
  std::uint32_t PhoneLength3 = 11;
  std::string PhonePrefix3;
};

struct PhoneNumber {
  std::string dialString;  // what is dialled
  std::string display;     // what the menu item shows after "Phone "
  bool operator==(const PhoneNumber&) const = default;
};

// The most phone items the popup of a note line offers.
inline constexpr std::size_t MaxPhoneItems = 6;

// Every accepted number of `text`, in the order found, at most `limit` of them.
std::vector<PhoneNumber> ExtractPhoneNumbers(std::string_view text, std::size_t limit,
                                             const PhoneSettings& settings);

// The single candidate at the start of a selected text (already cleaned of control and
// non-ASCII bytes): parentheses never end it, and when it is rejected nothing else is
// tried.
std::optional<PhoneNumber> SelectionPhoneNumber(std::string_view cleaned,
                                                const PhoneSettings& settings);

// The text handed to the dialler as the called party: the first 25 characters of the
// note followed by "..." (added even to a shorter text).
std::string CalledParty(std::string_view text);

// The popup item of a number: "Phone " and its display form.
std::string PhoneItemText(const PhoneNumber& number);

}  // namespace zelto
