#include "mainwin/PlaceByName.h"

#include <algorithm>
#include <optional>

#include "model/TextOrder.h"
#include "model/TreeOps.h"
#include "view/NoteLines.h"

namespace zelto {

namespace {

// The live child of `parent` named `name`.
std::optional<TabInx> ChildNamed(const TabList& tabs, TabInx parent, const std::string& name) {
  for (std::size_t i = 0; i < tabs.Count(); ++i)
    if (tabs[i].parent == parent && tabs[i].state == TabState::Normal &&
        TextEqual(tabs[i].text, name))
      return static_cast<TabInx>(i);
  return std::nullopt;
}

// The parent of the categories `list` shows.
TabInx ListedLevel(const TabList& tabs, const CategoryList& list) {
  if (list.GetCount() == 0) return NO_PARENT;
  const std::size_t listed = list.GetItemData(0);
  return tabs.Valid(listed) ? tabs[listed].parent : NO_PARENT;
}

}  // namespace

PlaceByName RememberPlace(const TabList& tabs, const CategoryList& list, int line) {
  PlaceByName place;
  for (TabInx at = ListedLevel(tabs, list); at != NO_PARENT && tabs.Valid(at);
       at = tabs[at].parent) {
    place.level.insert(place.level.begin(), tabs[at].text);
    if (place.level.size() > tabs.Count()) break;  // a loop of parents
  }
  const int shown = list.SelectedCategory();
  if (shown != CategoryList::None && tabs.Valid(static_cast<std::size_t>(shown))) {
    place.hasSelection = true;
    place.selected = tabs[static_cast<std::size_t>(shown)].text;
  }
  place.line = line;
  const LineTarget target = TargetOfLine(tabs, shown, line);
  place.lineKind = target.kind;
  if (target.kind == LineTarget::Kind::Note)
    place.lineText = tabs[target.category].notes[target.note].text;
  else if (target.kind == LineTarget::Kind::Subcategory)
    place.lineText = tabs[target.category].text;
  return place;
}

int ReturnToPlace(const TabList& tabs, const PlaceByName& place, CategoryList& list) {
  TabInx level = NO_PARENT;
  for (const std::string& name : place.level) {
    const std::optional<TabInx> child = ChildNamed(tabs, level, name);
    if (!child) break;
    level = *child;
  }
  if (level != ListedLevel(tabs, list) || list.GetCount() == 0) {
    FillLevel(tabs, level, list);
    list.SetSelIndex(list.GetCount() > 0 ? 0 : CategoryList::None);
  }
  if (place.hasSelection) {
    const int pos = list.FindStringExact(place.selected);
    if (pos != CategoryList::None) list.SetSelIndex(pos);
  }

  const int shown = list.SelectedCategory();
  if (shown == CategoryList::None) return 0;
  NoteLines lines;
  lines.currentCategory = shown;
  lines.CountLines(tabs);
  const std::size_t upLine = lines.hasParentLine ? 1 : 0;
  if (place.lineKind == LineTarget::Kind::Note) {
    const NoteList& notes = tabs[static_cast<std::size_t>(shown)].notes;
    for (std::size_t i = 0; i < notes.Count(); ++i)
      if (notes[i].text == place.lineText) return lines.LineOfNote(tabs, static_cast<int>(i));
  } else if (place.lineKind == LineTarget::Kind::Subcategory) {
    const TabIndex children = SubcategoryLines(tabs, static_cast<TabInx>(shown));
    for (std::size_t i = 0; i < children.size(); ++i)
      if (TextEqual(tabs[children[i]].text, place.lineText)) return static_cast<int>(upLine + i);
  }
  return std::clamp(place.line, 0, lines.lineCount);  // lineCount is the end line
}

}  // namespace zelto
