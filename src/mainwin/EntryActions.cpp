#include "mainwin/EntryActions.h"

#include "common/WebLinks.h"
#include "model/Records.h"
#include "model/TextOrder.h"

namespace zelto {

NoteActivation ChooseActivation(std::uint8_t flags, bool forEdit, bool clickUrl, bool hasLink) {
  const EntryKind kind = forEdit ? EntryKind::Text : KindOf(flags);
  switch (kind) {
    case EntryKind::Program:
      return NoteActivation::RunProgram;
    case EntryKind::Text:
      return (!forEdit && clickUrl && hasLink) ? NoteActivation::OpenLink : NoteActivation::Edit;
  }
  return NoteActivation::Nothing;
}

std::optional<std::string> ActionItems::LinkItem() const {
  if (!link) return std::nullopt;
  return LinkItemText(*link);
}

std::vector<std::string> ActionItems::PhoneItems() const {
  std::vector<std::string> items;
  for (const PhoneNumber& n : numbers) items.push_back(PhoneItemText(n));
  return items;
}

void ActionItems::ApplyTo(ActionState& state) const {
  if (link) state.lastUrl = *link;
  state.calledParty = calledParty;
  for (std::size_t k = 0; k < numbers.size() && k < state.dialStrings.size(); ++k)
    state.dialStrings[k] = numbers[k].dialString;
}

ActionItems NoteLineActions(std::string_view noteText, bool wwwEnabled,
                            const PhoneSettings& settings) {
  ActionItems items;
  items.link = FindWebAddress(noteText, wwwEnabled);
  items.calledParty = CalledParty(noteText);
  items.numbers = ExtractPhoneNumbers(noteText, MaxPhoneItems, settings);
  return items;
}

std::string CleanSelection(std::string_view selected) {
  std::string cleaned;
  cleaned.reserve(selected.size());
  for (char c : selected) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 32 && b <= 127) cleaned += c;
  }
  return cleaned;
}

ActionItems DetailSelectionActions(std::string_view cleaned, bool browserSet,
                                   const PhoneSettings& settings) {
  ActionItems items;
  if (browserSet && (TextStartsWith(cleaned, "http") || TextStartsWith(cleaned, "ftp")))
    items.link = std::string(cleaned);
  items.calledParty = CalledParty(cleaned);
  if (auto number = SelectionPhoneNumber(cleaned, settings)) items.numbers.push_back(*number);
  return items;
}

}  // namespace zelto
