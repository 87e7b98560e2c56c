#pragma once
// Where the main window puts its three panes for a client size: the note window upper left,
// the category list upper right, the entry detail window along the bottom.
#include <functional>

namespace zelto {

struct PaneRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PaneRect&) const = default;
};

struct PaneLayout {
  PaneRect catList;
  PaneRect noteView;
  PaneRect entryLine;
};

// A ratio the layout can use: one from 0 to 1; anything else (a wrong setting) gives `fallback`.
double UsableRatio(double ratio, double fallback = 0.8);

// The category list is placed first: `placeList` puts it at the rectangle given and returns
// the height it actually took (a list may keep to whole rows); the other panes follow that
// height. Sizes that come out negative in a tiny window are 0.
PaneLayout LayoutPanes(int width, int height, double horizRatio, double vertRatio,
                       const std::function<int(const PaneRect&)>& placeList = {});

}  // namespace zelto
