#include "mainwin/LineTarget.h"

#include "view/NoteLines.h"

namespace zelto {

LineTarget TargetOfLine(const TabList& tabs, int shown, int line) {
  LineTarget target;
  if (shown < 0 || line < 0 || !tabs.Valid(static_cast<std::size_t>(shown))) return target;
  const auto category = static_cast<TabInx>(shown);
  const Tab& tab = tabs[category];
  int first = 0;
  if (!tab.IsTopLevel()) {
    if (line == 0) return {LineTarget::Kind::UpArrow, tab.parent, 0};
    first = 1;
  }
  const TabIndex children = SubcategoryLines(tabs, category);
  const int childEnd = first + static_cast<int>(children.size());
  if (line < childEnd)
    return {LineTarget::Kind::Subcategory, children[static_cast<std::size_t>(line - first)], 0};
  const int noteEnd = childEnd + NoteCountOf(tabs, shown);
  if (line < noteEnd)
    return {LineTarget::Kind::Note, category, static_cast<std::size_t>(line - childEnd)};
  if (line == noteEnd) return {LineTarget::Kind::End, category, 0};
  return target;
}

}  // namespace zelto
