#pragma once
// The drawing surface the printout layout measures and draws on. All positions and
// sizes are layout units: one unit is one display pixel, whatever the device.
#include <string>
#include <string_view>

namespace zelto {

struct PrintRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

// A font as the layout asks for it. `height` is the character height (em size).
struct FontSpec {
  std::string face;
  int height = 0;
  int weight = 400;  // 400 normal, 600 semi-bold, 700 bold
  bool italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Units per inch of the layout units (the display's logical resolution).
struct UnitsPerInch {
  int x = 96;
  int y = 96;
};

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // Makes `font` the font that CharWidth measures and DrawLine draws with.
  virtual void SelectFont(const FontSpec& font) = 0;
  // The advance of one character (a Windows-1252 byte) in the selected font.
  virtual int CharWidth(char c) = 0;
  // Draws `text` with its top-left corner at (x, y), clipped to `clip`.
  virtual void DrawLine(int x, int y, std::string_view text, const PrintRect& clip) = 0;
  // How many layout units make an inch (margins are given in inches).
  virtual UnitsPerInch Resolution() const = 0;
};

// Told when a page is asked for before the page in front of it was laid out.
class PrintErrorReport {
 public:
  virtual ~PrintErrorReport() = default;
  virtual void ReportPrintError() = 0;
};

}  // namespace zelto
