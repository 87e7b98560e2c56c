#include "mainwin/PaneLayout.h"

#include <algorithm>
#include <cmath>

namespace zelto {
namespace {
int NotNegative(int n) { return std::max(n, 0); }
}  // namespace

double UsableRatio(double ratio, double fallback) {
  return (ratio >= 0.0 && ratio <= 1.0) ? ratio : fallback;  // also refuses NaN
}

PaneLayout LayoutPanes(int width, int height, double horizRatio, double vertRatio,
                       const std::function<int(const PaneRect&)>& placeList) {
  width = NotNegative(width);
  height = NotNegative(height);
  const int x = static_cast<int>(std::trunc(width * UsableRatio(horizRatio)));
  const int y = static_cast<int>(std::trunc(height * UsableRatio(vertRatio))) - 1;

  PaneLayout layout;
  layout.catList = {x, 1, NotNegative(width - 1 - x), NotNegative(y - 1)};
  int l = layout.catList.height;
  if (placeList) l = NotNegative(placeList(layout.catList));
  layout.catList.height = l;
  layout.noteView = {0, 0, NotNegative(x - 1), l};
  layout.entryLine = {0, l + 1, NotNegative(width - 1), NotNegative(height - l - 2)};
  return layout;
}

}  // namespace zelto
