#pragma once
// The user's settings, one member per stored value and named like it. The application
// object holds one record and hands it to the commands that use it. All are read once at
// start-up; a command that changes one writes that value back at once through the store.
#include <cstdint>
#include <string>

#include "common/PhoneNumbers.h"
#include "common/SettingsStore.h"

namespace zelto {

// The values a layout or printout can work with. The configuration commands accept only
// these, and a stored value outside them (edited by hand) is not used.
constexpr bool IsValidColumnCount(std::uint32_t n) { return n >= 1 && n <= 7; }
constexpr bool IsValidMargin(double m) { return m >= 0 && m < 10; }
constexpr bool IsValidFontSize(std::uint32_t size) { return size >= 1 && size <= 1000; }
// A pane split: the category list keeps some room on either side.
constexpr bool IsValidRatio(double r) { return r >= 0.05 && r <= 0.95; }
// How many changes can be undone: at least one, and few enough that the history of small
// changes stays within memory.
constexpr bool IsValidUndoSteps(std::uint32_t n) { return n >= 1 && n <= 1000000; }
// Up to a day between recovery copies.
constexpr bool IsValidAutoSave(std::uint32_t seconds) { return seconds <= 86400; }

// The dialling settings (OutsideLine, Plus, KeepCommas, KeepW, PhoneAsIs, MinPhone and the
// three length rules) come from PhoneSettings, so the dialling code reads them directly.
struct ZeltoSettings : PhoneSettings {
  // Screen colours.
  Colour MainColor = Rgb(0, 0, 0);           // default text colour of notes
  Colour ExecColor = Rgb(0, 196, 0);         // program entries
  Colour DetailColor = Rgb(0, 0, 255);       // the entry detail window's text
  Colour CatColor = Rgb(255, 0, 0);          // category lines
  Colour NoPrintColor = Rgb(160, 100, 100);  // entries left out of printouts

  std::uint32_t MultiLine = 0;  // non-zero: notes show past their first line break
  // Printing.
  std::uint32_t NumCols = 2;
  std::uint32_t PrintFontSize = 10;
  std::string PrintFont = "Arial";
  double TopMargin = 0.75;
  double BottomMargin = 0.75;
  double LeftMargin = 0.75;
  double RightMargin = 0.75;
  // Where the category list begins, as fractions of the main window's client size.
  double HorizRatio = 0.8;
  double VertRatio = 0.8;

  std::uint32_t EditFont = 0;    // non-zero: the note editor uses the screen font
  std::uint32_t ClickURL = 1;    // non-zero: activating a note with a web link opens the link
  std::uint32_t DateFormat = 0;  // style of the date the note editor inserts
  // Flags: any non-zero stored number turns them on.
  bool WWWEnabled = true;  // web addresses in notes are links
  // Only whether it is empty matters: a non-empty value offers web links in the detail
  // window's popup menu.
  std::string Browser;
  // Screen font.
  std::string ScreenFont = "Lucida Bright";
  std::uint32_t ScreenFontSize = 20;
  // The text editor of "View note in Notepad"; its default depends on the platform and is
  // given to ReadSettings.
  std::string NotePad;
  // Seconds between recovery copies of unsaved changes; 0: none.
  std::uint32_t AutoSaveSeconds = 30;
  // How many recently opened or saved documents the File menu lists; 0: none.
  std::uint32_t RecentFiles = 6;
  // The top-level category every loaded document must have, and the start-up document.
  std::string DefaultCat = "Default";
  std::string DefaultFile = "default.zlt";
  // How many changes of the document can be undone; the oldest go beyond it.
  std::uint32_t UndoSteps = 1000;

  // Reads every value from the store, in one open of its key. A value that is missing,
  // unreadable or out of its range keeps the member's current value (on a new record the
  // default above; NotePad falls back to `notePadDefault`). When the key cannot be opened,
  // every member does.
  void ReadSettings(SettingsStore& store, const std::string& notePadDefault);
};

}  // namespace zelto
