#pragma once
// The settings that decide how the main window looks: pane proportions, colours, the
// screen font and whether notes show past their first line break. The application hands it to the
// main window at start and whenever one of them changes.
#include <string>

#include "common/SettingsStore.h"

namespace zelto {

struct ZeltoSettings;

struct ScreenLook {
  Colour catColor = Rgb(255, 0, 0);          // the category list and category lines
  Colour detailColor = Rgb(0, 0, 255);       // text of the entry detail window
  Colour mainColor = Rgb(0, 0, 0);           // notes
  Colour execColor = Rgb(0, 196, 0);         // program entries
  Colour noPrintColor = Rgb(160, 100, 100);  // entries left out of printouts
  bool multiLine = false;                    // notes show past their first line break
  std::string screenFont = "Lucida Bright";  // face name (Windows-1252 bytes)
  int screenFontSize = 20;                   // character height in pixels
  double horizRatio = 0.8;  // where the category list begins, as a fraction of the width
  double vertRatio = 0.8;   // the upper panes' share of the height
};

// The look that `settings` describe.
ScreenLook LookOf(const ZeltoSettings& settings);

}  // namespace zelto
