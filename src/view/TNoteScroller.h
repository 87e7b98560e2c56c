#pragma once
// The note window's vertical scroller: one scroll unit is one line, and its position is
// the index of the first line at the top of the window.
class QScrollBar;

namespace zelto {

class TNoteScroller {
 public:
  // `bar` stays owned by the window; `yUnit` is the line height in pixels.
  TNoteScroller(QScrollBar* bar, int yUnit);

  int YUnit() const { return yUnit_; }
  void SetUnits(int yUnit);
  // The horizontal range is ignored: the note window does not scroll sideways.
  void SetRange(int xRange, int yRange);
  int YRange() const;
  // Scrolls so that line `y` is at the top, within 0 .. YRange().
  void ScrollTo(int x, int y);
  int YPos() const;
  // Lines per page, for the bar's page step.
  void SetPage(int lines);

 private:
  QScrollBar* bar_;
  int yUnit_;
};

}  // namespace zelto
