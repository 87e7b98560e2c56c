#pragma once
// What a note can do besides being shown: the choice made when a note line is
// activated, and the link and phone items of the two popup menus (the note line's and
// the entry detail window's) with the state their commands act on.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/PhoneNumbers.h"

namespace zelto {

// What activating a note line does.
enum class NoteActivation {
  RunProgram,  // start the program entry
  OpenLink,    // open the note's web link
  Edit,        // open the note dialog "Edit entry"
  Nothing,     // an entry kind the program never produces
};

// Enter and double-click activate with forEdit false; the Edit command with true, which
// treats every note as text.
NoteActivation ChooseActivation(std::uint8_t flags, bool forEdit, bool clickUrl, bool hasLink);

// The state the link and phone commands of the last popup act on.
struct ActionState {
  std::string lastUrl;
  std::array<std::string, MaxPhoneItems> dialStrings;
  std::string calledParty;
};

// The link and phone part of a popup menu, in the order the items are added.
struct ActionItems {
  std::optional<std::string> link;  // the link item's target (opened whole)
  std::string calledParty;
  std::vector<PhoneNumber> numbers;  // item k dials slot k

  // Item texts are plain text; a menu shows them through MenuLiteral.
  std::optional<std::string> LinkItem() const;  // "Link to URL ..." when there is a link
  std::vector<std::string> PhoneItems() const;  // "Phone ..." for every number

  // Stores what the items' commands will act on. Slots beyond the numbers found keep
  // what an earlier popup left there; no item leads to them.
  void ApplyTo(ActionState& state) const;
};

// The items of a note line's popup: its link when that is a web address (and web links are
// on), and up to six phone numbers found in its text.
ActionItems NoteLineActions(std::string_view noteText, bool wwwEnabled,
                            const PhoneSettings& settings);

// The selection of the entry detail window reduced to the bytes 32 to 127; control
// characters (line breaks included) and bytes from 128 up are dropped.
std::string CleanSelection(std::string_view selected);

// The items of the entry detail window's popup for a cleaned selection: the whole
// selection as a link when `browser` is set and it begins with "http" or "ftp", and a
// phone item when its first candidate is accepted.
ActionItems DetailSelectionActions(std::string_view cleaned, bool browserSet,
                                   const PhoneSettings& settings);

}  // namespace zelto
