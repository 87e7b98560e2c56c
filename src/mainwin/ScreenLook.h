#pragma once
// The settings that decide how the main window looks: pane proportions, colours and the
// screen font. The application fills it from its settings and hands it to the main window
// at start and whenever one of them changes.
#include <cstdint>
#include <string>

namespace zelto {

// A colour as the settings hold it: red + green * 256 + blue * 65536.
using ColorRef = std::uint32_t;
constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

struct ScreenLook {
  ColorRef catColor = MakeColorRef(255, 0, 0);     // text of the category list
  ColorRef detailColor = MakeColorRef(0, 0, 255);  // text of the entry detail window
  std::string screenFont = "Lucida Bright";        // face name (Windows-1252 bytes)
  int screenFontSize = 20;                         // character cell height in pixels
  double horizRatio = 0.8;  // where the category list begins, as a fraction of the width
  double vertRatio = 0.8;   // the upper panes' share of the height
};

}  // namespace zelto
