#include "print/TApxPreviewWinPages.h"

#include <algorithm>
#include <cstdint>

namespace zelto {

void PreviewPages::Previous(int minPage) {
  if (first_ > minPage) {
    --first_;
    --last_;
  }
}

void PreviewPages::Next(int maxPage) {
  if (last_ < maxPage) {
    ++first_;
    ++last_;
  }
}

void PreviewPages::OnePage() {
  if (!twoPages_) return;
  twoPages_ = false;
  last_ = first_;
}

void PreviewPages::ShowTwoPages(int maxPage) {
  if (twoPages_) return;
  twoPages_ = true;
  if (first_ == maxPage) {
    // The last page is shown: the pair moves back so that it comes on the right. A document
    // of one page shows a white page beside it.
    if (first_ >= 2) {
      --first_;
      last_ = first_ + 1;
    }
  } else {
    last_ = first_ + 1;
  }
}

std::string PreviewPages::PageText() const {
  if (twoPages_ && first_ != last_)
    return "Page " + std::to_string(first_) + " - " + std::to_string(last_);
  return "Page " + std::to_string(first_);
}

int PreviewUnits(int units, int fontHeight) { return (units * fontHeight + 4) / 8; }

PreviewLayout LayoutPreviewPages(int areaWidth, int areaHeight, int pageWidth, int pageHeight,
                                 bool twoPages, int fontHeight) {
  PreviewLayout layout;
  const int margin = PreviewUnits(15, fontHeight);
  const int gap = twoPages ? PreviewUnits(30, fontHeight) : 0;
  const int pages = twoPages ? 2 : 1;
  const std::int64_t cx = std::max(1, pageWidth);
  const std::int64_t cy = std::max(1, pageHeight);
  // The room each page has.
  const std::int64_t roomHeight = std::max(0, areaHeight - 2 * margin);
  const std::int64_t roomWidth = std::max(0, areaWidth - 2 * margin - gap) / pages;

  // As large as the room allows, in the paper's proportions.
  PageBox& page = layout.page1;
  if (roomWidth * cy > roomHeight * cx) {
    page.height = static_cast<int>(roomHeight);
    page.width = static_cast<int>(roomHeight * cx / cy);
  } else {
    page.width = static_cast<int>(roomWidth);
    page.height = static_cast<int>(roomWidth * cy / cx);
  }
  // Centred in the area, the pair as a whole.
  const int used = pages * page.width + gap;
  page.x = std::max(margin, (areaWidth - used) / 2);
  page.y = std::max(margin, (areaHeight - page.height) / 2);
  layout.page2 = page;
  layout.page2.x = page.Right() + gap;
  return layout;
}

}  // namespace zelto
