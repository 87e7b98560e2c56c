#include "mainwin/LineTarget.h"

#include "view/NoteLines.h"

namespace zelto {

LineTarget TargetOfLine(const TabList& tabs, long long shown, long long line) {
  LineTarget target;
  if (shown < 0 || line < 0 || !tabs.Valid(static_cast<std::size_t>(shown))) return target;
  const auto category = static_cast<TabInx>(shown);
  const Tab& tab = tabs[category];
  long long first = 0;
  if (!tab.IsTopLevel()) {
    if (line == 0) return {LineTarget::Kind::UpArrow, tab.parent, 0};
    first = 1;
  }
  const TabIndex children = SubcategoryLines(tabs, category);
  const long long childEnd = first + static_cast<long long>(children.size());
  if (line < childEnd)
    return {LineTarget::Kind::Subcategory, children[static_cast<std::size_t>(line - first)], 0};
  const long long noteEnd = childEnd + static_cast<long long>(tab.notes.Count());
  if (line < noteEnd)
    return {LineTarget::Kind::Note, category, static_cast<std::size_t>(line - childEnd)};
  if (line == noteEnd) return {LineTarget::Kind::End, category, 0};
  return target;
}

}  // namespace zelto
