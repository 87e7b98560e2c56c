#include "mainwin/SearchCommands.h"

#include "common/CommandIds.h"
#include "common/CommandTable.h"
#include "mainwin/TSearchDialog.h"
#include "model/TreeOps.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/StatusMessage.h"
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

SearchCommands::SearchCommands(const Document& doc, SearchState& state, TNoteWindow& notes,
                               CategoryList& list, CommandTable& commands, QWidget* owner,
                               QObject* parent)
    : QObject(parent), doc_(doc), state_(state), notes_(notes), list_(list), owner_(owner) {
  commands.Add(CM_EDITFIND, [this] { Find(); });
  commands.Add(CM_EDITFINDNEXT, [this] { Next(); });
}

void SearchCommands::Find() {
  if (!TSearchDialog::Run(state_.searchText, owner_)) return;  // Cancel keeps the position
  RestartSearch(state_);
  Next();
}

void SearchCommands::Next() {
  const std::optional<SearchHit> hit = SearchNext(doc_, state_);
  if (!hit) {
    Prompter::Beep();
    ShowStatus(QStringLiteral("Not found: ") + Cp1252::Decode(state_.searchText));
    return;
  }
  ShowHit(*hit);
}

void SearchCommands::GoTo(const SearchHit& hit) {
  if (!doc_.tabs.Valid(hit.category) || hit.note >= doc_.tabs[hit.category].notes.Count()) return;
  state_.searchCategory = static_cast<int>(hit.category);
  state_.searchNote = static_cast<int>(hit.note);
  ShowHit(hit);
}

void SearchCommands::ShowStatus(const QString& text) {
  ShowStatusMessage(&notes_, text, StatusTimeout);
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
  ShowLevelOf(doc_.tabs, hit.category, list_);
  notes_.ShowSearchHit(category, note);
  notes_.viewport()->update();

  // Where the hit is: its category's path below, the matched text selected in the detail
  // window (the note window's next paint hands it the same text, which keeps the selection).
  const TabList& tabs = doc_.tabs;
  ShowStatus(QStringLiteral("Found in ") + Cp1252::Decode(CategoryPath(tabs, hit.category)));
  const std::string& text = tabs[hit.category].notes[hit.note].text;
  if (const std::optional<ShownRange> match = ShownMatch(text, state_.searchText))
    emit MatchShown(Cp1252::Decode(text), static_cast<int>(match->start),
                    static_cast<int>(match->length));
}

}  // namespace zelto
