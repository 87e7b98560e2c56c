// Reads arbitrary settings, as a hand-edited settings file may hold them, and checks what
// the program promises about them: every value it uses is in its range, what it writes
// back reads the same, and the dialling settings so read still give sound phone numbers.
//
// Input: lines of `name=value`, stored as texts (a settings file keeps no types); the last
// line without '=' is a note text to look for phone numbers in.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/PhoneNumbers.h"
#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "mainwin/ConfigValues.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// What the program does with one stored text, whatever name it is under.
void CheckValue(std::string_view text) {
  using namespace zelto;
  if (auto colour = ParseColour(text)) Check(ParseColour(ColourText(*colour)) == colour);
  if (auto number = ParseDword(text)) Check(ParseDword(std::to_string(*number)) == number);
  if (auto columns = TypedColumnCount(text)) Check(IsValidColumnCount(*columns));
  if (auto margin = TypedMargin(text)) Check(IsValidMargin(*margin));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  MemorySettingsStore store;
  std::string_view noteText;
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view line = input.substr(start, end - start);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      noteText = line;
    } else {
      store.Put(line.substr(0, equals), std::string(line.substr(equals + 1)));
      CheckValue(line.substr(equals + 1));
    }
    start = end + 1;
  }

  ZeltoSettings settings;
  settings.ReadSettings(store, "editor");
  Check(IsValidColumnCount(settings.NumCols));
  Check(IsValidFontSize(settings.PrintFontSize) && IsValidFontSize(settings.ScreenFontSize));
  for (double margin :
       {settings.TopMargin, settings.BottomMargin, settings.LeftMargin, settings.RightMargin})
    Check(IsValidMargin(margin));
  Check(IsValidRatio(settings.HorizRatio) && IsValidRatio(settings.VertRatio));
  for (Colour colour : {settings.MainColor, settings.ExecColor, settings.DetailColor,
                        settings.CatColor, settings.NoPrintColor})
    Check(colour <= 0xFFFFFF);
  for (const std::string* text : {&settings.PrintFont, &settings.OutsideLine, &settings.Plus,
                                  &settings.PhonePrefix1, &settings.NotePad})
    Check(text->size() <= MaxSettingText);
  // A path and a category name may be longer.
  for (const std::string* text : {&settings.DefaultCat, &settings.DefaultFile})
    Check(text->size() <= MaxLongSettingText);

  // What the program writes back is read again as the same record.
  MemorySettingsStore written;
  written.OpenSettingsKey();
  written.WriteColour("MainColor", settings.MainColor);
  written.WriteDword("NumCols", settings.NumCols);
  written.CloseSettingsKey();
  ZeltoSettings again;
  again.ReadSettings(written, "editor");
  Check(again.MainColor == settings.MainColor && again.NumCols == settings.NumCols);

  const auto numbers = ExtractPhoneNumbers(noteText, MaxPhoneItems, settings);
  Check(numbers.size() <= MaxPhoneItems);
  for (const PhoneNumber& n : numbers) Check(!n.dialString.empty() && !n.display.empty());
  return 0;
}
