#include "mainwin/SearchCommands.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/TZeltoApp.h"
#include "mainwin/TSearchDialog.h"
#include "platform/Prompter.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

// The category list shows the level of a search hit: every category of that parent, a cut
// one too (the hit may lie in it), with the hit's category selected.
void ShowLevelOf(const TabList& tabs, std::size_t category, CategoryList& list) {
  const TabInx parent = tabs[category].parent;
  list.Clear();
  for (std::size_t c = 0; c < tabs.Count(); ++c) {
    if (tabs[c].parent != parent || tabs[c].state == TabState::Deleted) continue;
    const int pos = list.AddString(tabs[c].text);
    list.SetItemData(pos, static_cast<std::uint32_t>(c));
    if (c == category) list.SetSelIndex(pos);
  }
}

}  // namespace

SearchCommands::SearchCommands(TZeltoApp& app, TNoteWindow& notes, CommandTable& commands,
                               QWidget* owner, QObject* parent)
    : QObject(parent), app_(app), notes_(notes), owner_(owner) {
  commands.Add(CM_EDITFIND, [this] { Find(); });
  commands.Add(CM_EDITFINDNEXT, [this] { Next(); });
}

void SearchCommands::Find() {
  if (!TSearchDialog::Run(app_.searchText, owner_)) return;  // Cancel keeps the position
  app_.searchNote = -1;
  Next();
}

void SearchCommands::Next() {
  SearchState state{app_.searchText, searchCategory_, app_.searchNote};
  const std::optional<SearchHit> hit = SearchNext(app_.doc, state);
  app_.searchNote = state.searchNote;
  searchCategory_ = state.searchCategory;
  if (!hit) {
    Prompter::Beep();
    return;
  }
  ShowHit(*hit);
}

void SearchCommands::ShowHit(const SearchHit& hit) {
  const auto category = static_cast<int>(hit.category);
  const auto note = static_cast<int>(hit.note);
  NoteLines& lines = notes_.Lines();
  if (lines.currentCategory != category) {
    lines.currentCategory = category;
    lines.currentNote = note;
    notes_.CountLines();
  }
  notes_.ShowSearchHit(category, note);
  notes_.ScrollToNote(note);
  if (CategoryList* list = app_.CatList()) ShowLevelOf(app_.doc.tabs, hit.category, *list);
  notes_.ShowSearchHit(category, note);
}

}  // namespace zelto
