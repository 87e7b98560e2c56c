#pragma once
// The paging of the print preview and where its pages go in the window, apart from the
// window itself.
#include <string>

namespace zelto {

// Which pages the preview shows: one page, or two facing pages. Page numbers count from 1;
// the page range is the one the printout found when it last counted its pages.
class PreviewPages {
 public:
  int First() const { return first_; }
  int Last() const { return last_; }
  bool TwoPages() const { return twoPages_; }
  // The page the first and the second page window show. 0 shows a white page: the second
  // window of a one-page document.
  int Page1() const { return first_; }
  int Page2() const { return twoPages_ && last_ != first_ ? last_ : 0; }

  // The commands of the tool bar.
  void Previous(int minPage);
  void Next(int maxPage);
  void OnePage();
  void ShowTwoPages(int maxPage);

  // Their enablers. Two pages fit side by side only on paper that is not wider than high.
  bool CanPrevious() const { return first_ != 1; }
  bool CanNext(int maxPage) const { return last_ != maxPage; }
  static bool CanShowTwoPages(int pageWidth, int pageHeight) { return pageHeight >= pageWidth; }

  // "Page 3", or "Page 3 - 4" while two different pages are shown.
  std::string PageText() const;

 private:
  int first_ = 1;
  int last_ = 1;
  bool twoPages_ = false;
};

// A rectangle of the preview's page area, in pixels.
struct PageBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Right() const { return x + width; }
  friend bool operator==(const PageBox&, const PageBox&) = default;
};

struct PreviewLayout {
  PageBox page1;
  PageBox page2;  // meaningful in two-page mode only
};

// Layout units of the page area: `units` of them are (units × font height + 4) / 8 pixels.
int PreviewUnits(int units, int fontHeight);

// Places the shown pages in a page area of `areaWidth` × `areaHeight` pixels, for a printer
// page of `pageWidth` × `pageHeight` device pixels: as large as fits, in the paper's
// proportions, centred in the area. The pages keep at least 15 units from the area's edges
// and stand 30 units apart; two pages share the width.
PreviewLayout LayoutPreviewPages(int areaWidth, int areaHeight, int pageWidth, int pageHeight,
                                 bool twoPages, int fontHeight);

}  // namespace zelto
