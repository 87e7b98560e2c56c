#pragma once
// A print surface with fixed character widths that records what is drawn.
#include <map>
#include <string>
#include <vector>

#include "print/PrintSurface.h"

namespace zelto::testing {

struct DrawnLine {
  int x;
  int y;
  std::string text;
  int fontHeight;
};

class FakeSurface : public PrintSurface {
 public:
  int defaultWidth = 10;
  std::map<char, int> widths;  // characters wider or narrower than the default
  std::vector<DrawnLine> lines;
  int measured = 0;

  void SelectFont(const FontSpec& font) override { font_ = font; }
  int CharWidth(char c) override {
    ++measured;
    auto it = widths.find(c);
    return it == widths.end() ? defaultWidth : it->second;
  }
  void DrawLine(int x, int y, std::string_view text, const PrintRect&) override {
    lines.push_back({x, y, std::string(text), font_.height});
  }
  UnitsPerInch Resolution() const override { return {100, 100}; }

  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& l : lines) out.push_back(l.text);
    return out;
  }

 private:
  FontSpec font_;
};

class CountingErrors : public PrintErrorReport {
 public:
  int count = 0;
  void ReportPrintError() override { ++count; }
};

}  // namespace zelto::testing
