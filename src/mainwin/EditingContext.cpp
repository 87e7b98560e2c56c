#include "mainwin/EditingContext.h"

#include "mainwin/NoteOperations.h"
#include "view/TNoteWindow.h"

namespace zelto {

std::optional<TabInx> EditingContext::CurrentCategory() const {
  const int selected = list.SelectedCategory();
  // A search can select a category of a cut subtree; only a purged one is no category.
  if (selected == CategoryList::None || !doc.tabs.Valid(static_cast<std::size_t>(selected)) ||
      doc.tabs[static_cast<std::size_t>(selected)].state == TabState::Deleted)
    return std::nullopt;
  return static_cast<TabInx>(selected);
}

LineTarget EditingContext::CurrentLine() const {
  const auto current = CurrentCategory();
  return TargetOfLine(doc.tabs, current ? *current : -1, notes.CurrentLine());
}

void EditingContext::RefreshNoteWindow() {
  const auto current = CurrentCategory();
  notes.Lines().currentCategory = current ? static_cast<int>(*current) : -1;
  notes.CountLines();
  notes.Refresh();
}

void EditingContext::ShowSelectionFromTop() {
  RefreshNoteWindow();
  notes.SetCurrentLine(0);
  notes.ScrollTo(0);
}

void EditingContext::ShowAddedNote(TabInx category, int note, bool scroll) {
  notes.Lines().currentCategory = category;
  notes.CountLines();
  notes.ShowAddedNote(note);
  if (scroll && note != NoAddedNote) notes.ScrollToNote(note);
}

}  // namespace zelto
