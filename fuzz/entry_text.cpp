// Runs the scanners of note texts on arbitrary bytes and checks what they promise: phone
// numbers are never empty and hold a digit, links start with what was searched for,
// split pieces are never blank, and a pasted clipboard text copies back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/PhoneNumbers.h"
#include "common/ProgramEntry.h"
#include "common/WebLinks.h"
#include "mainwin/EntryActions.h"
#include "mainwin/NoteClipboard.h"
#include "mainwin/NoteOperations.h"
#include "model/TextOrder.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool HasDigit(const std::string& s) {
  for (char c : s)
    if (c >= '0' && c <= '9') return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  if (size < 1) return 0;
  // The first byte picks the settings.
  const std::uint8_t pick = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  PhoneSettings settings;
  settings.KeepCommas = pick & 1;
  settings.KeepW = pick & 2;
  settings.PhoneAsIs = pick & 4;
  settings.MinPhone = (pick >> 3) & 3;
  if (pick & 0x20) settings.Plus = "00";
  if (pick & 0x40) settings.OutsideLine = "9";
  if (pick & 0x80) settings.PhoneLength1 = 3;

  for (const PhoneNumber& n : ExtractPhoneNumbers(text, MaxPhoneItems, settings)) {
    Check(HasDigit(n.dialString) && !n.display.empty());
  }
  Check(ExtractPhoneNumbers(text, MaxPhoneItems, settings).size() <= MaxPhoneItems);
  const std::string cleaned = CleanSelection(text);
  for (char c : cleaned)
    Check(static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) <= 127);
  const ActionItems detail = DetailSelectionActions(cleaned, true, settings);
  Check(detail.numbers.size() <= 1);

  if (auto link = FindUrl(text, true)) {
    Check(TextStartsWith(*link, "http") || TextStartsWith(*link, "ftp"));
    Check(link->find_first_of(std::string("\0\t\n\r ", 5)) == std::string::npos);
    (void)IsWebAddress(*link);
  }
  Check(LinkItemText(text).size() <= MaxLinkItemLength);

  for (const std::string& piece : SplitEntry(text)) {
    Check(!piece.empty());
    Check(piece.find_first_of("\r\n") == std::string::npos);
    Check(piece.find_first_of(" \t\v\f") != 0);
  }

  const NoteString pasted = NoteFromClipboardText(text);
  if (IsProgram(pasted.flags)) Check(ClipboardTextOf(pasted) == text);

  const CommandWords words = SplitCommandLine(text);
  if (words.Ok()) {
    for (const std::string& w : words.words) Check(w.size() <= text.size());
  }
  (void)PlanProgramLaunch(text, [](const std::string& w) -> std::optional<std::string> {
    if (w.size() % 2) return w;
    return std::nullopt;
  });
  return 0;
}
