#include "view/TNoteScroller.h"

#include <QScrollBar>
#include <algorithm>

namespace zelto {

TNoteScroller::TNoteScroller(QScrollBar* bar, int yUnit) : bar_(bar), yUnit_(std::max(yUnit, 1)) {
  bar_->setSingleStep(1);
}

void TNoteScroller::SetUnits(int yUnit) { yUnit_ = std::max(yUnit, 1); }

void TNoteScroller::SetRange(int /*xRange*/, int yRange) { bar_->setRange(0, std::max(yRange, 0)); }

int TNoteScroller::YRange() const { return bar_->maximum(); }

void TNoteScroller::ScrollTo(int /*x*/, int y) { bar_->setValue(std::clamp(y, 0, YRange())); }

int TNoteScroller::YPos() const { return bar_->value(); }

void TNoteScroller::SetPage(int lines) { bar_->setPageStep(std::max(lines, 1)); }

}  // namespace zelto
