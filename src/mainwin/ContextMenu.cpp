#include "mainwin/ContextMenu.h"

#include "common/CommandIds.h"
#include "model/TextOrder.h"

namespace zelto {

namespace {

const Tab* CategoryAt(const TabList& tabs, std::optional<TabInx> index) {
  if (!index || !tabs.Valid(*index)) return nullptr;
  return &tabs[*index];
}

// A category line other than the up-arrow line, naming an existing category.
const Tab* SubcategoryOfLine(const TabList& tabs, const ContextMenuState& s) {
  if (s.lineKind != LineKind::CategoryLine || s.upArrowLine) return nullptr;
  return CategoryAt(tabs, s.lineCategory);
}

// The default category at the top level may not be deleted.
bool IsProtectedDefault(const Tab& category, std::string_view defaultCat) {
  return category.IsTopLevel() && TextEqual(category.text, defaultCat);
}

}  // namespace

void DescribeCurrentLine(const NoteLines& lines, const TabList& tabs, int selectedCategory,
                         ContextMenuState& state) {
  const int line = lines.currentLine;
  state.lineKind = lines.GetLineKind(tabs, selectedCategory, line);
  state.upArrowLine = lines.IsUpArrowLine(line);
  state.lineCategory =
      state.lineKind == LineKind::CategoryLine ? lines.CategoryOfLine(line) : std::nullopt;
  state.currentCategory.reset();
  if (selectedCategory >= 0 && tabs.Valid(static_cast<std::size_t>(selectedCategory)))
    state.currentCategory = static_cast<TabInx>(selectedCategory);
}

bool NoteCommandEnabled(int id, const TabList& tabs, const ContextMenuState& s) {
  const Tab* current = CategoryAt(tabs, s.currentCategory);
  switch (id) {
    case CM_ADDNOTE:
    case CM_ADDCATEGORY:
    case CM_ADDSUBCATEGORY:
    case CM_ADDPROGRAM:
    case CM_EDITCATEGORY:
    case CM_PASTETREECHILD:
    case CM_PASTETREESIBLING:
      return current != nullptr;
    case CM_DELETECATEGORY:
      return current != nullptr && !IsProtectedDefault(*current, s.defaultCat);
    case CM_DELETESUBCATEGORY:
    case CM_EDITSUBCATEGORY:
      return s.lineKind == LineKind::CategoryLine;
    case CM_DELETENOTE:
    case CM_EDITNOTE:
      return s.lineKind == LineKind::NoteLine;
    case CM_EDITPASTE:
      return s.clipboardHasText && current != nullptr;
    default:
      return true;
  }
}

std::vector<MenuItem> ComposeContextMenu(const TabList& tabs, const ContextMenuState& s) {
  std::vector<MenuItem> items;
  const auto add = [&](int id, std::string text) {
    items.push_back({id, std::move(text), NoteCommandEnabled(id, tabs, s)});
  };
  const Tab* current = CategoryAt(tabs, s.currentCategory);
  const Tab* lineCategory = SubcategoryOfLine(tabs, s);
  const bool noteLine = s.lineKind == LineKind::NoteLine;

  add(CM_ADDNOTE, "Add note");
  add(CM_ADDCATEGORY, "Add category");
  add(CM_ADDSUBCATEGORY, "Add subcategory");
  add(CM_ADDPROGRAM, "Add program");
  if (s.clipboardHasText) add(CM_EDITPASTE, "Paste note");
  if (noteLine && s.fromNoteWindow) {
    add(CM_EDITCOPY, "Copy note");
    add(CM_DELETENOTE, "Delete note");
  }
  // Items that name the current category are left out when the list has no selection.
  if (current) add(CM_EDITCATEGORY, "Edit category " + current->text);
  if (noteLine)
    add(CM_EDITNOTE, "Edit note");
  else if (lineCategory)
    add(CM_EDITSUBCATEGORY, "Edit subcategory " + lineCategory->text);
  if (current && !IsProtectedDefault(*current, s.defaultCat))
    add(CM_DELETECATEGORY, "Delete category " + current->text);
  if (lineCategory && s.fromNoteWindow)
    add(CM_DELETESUBCATEGORY, "Delete subcategory " + lineCategory->text);
  if (s.cutPending && current) {
    add(CM_PASTETREECHILD, "Paste tree as child of " + current->text);
    add(CM_PASTETREESIBLING, "Paste tree as sibling of " + current->text);
  }
  // Last: Run, the link and the phone numbers of the current note.
  if (noteLine && s.fromNoteWindow)
    items.insert(items.end(), s.noteActions.begin(), s.noteActions.end());
  return items;
}

}  // namespace zelto
