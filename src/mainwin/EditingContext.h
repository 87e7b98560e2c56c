#pragma once
// What the editing commands work on: the document, the category list (whose selection is
// the current category), the note window (whose current line picks a note or a category),
// the dialogs and the settings. The note and category commands share one of these.
#include <optional>
#include <string>

#include "mainwin/EditDialogs.h"
#include "mainwin/LineTarget.h"
#include "model/CategoryList.h"
#include "model/Document.h"

namespace zelto {

class TNoteWindow;
struct ZeltoSettings;

class EditingContext {
 public:
  EditingContext(Document& doc, CategoryList& list, TNoteWindow& notes, EditDialogs& dialogs,
                 const ZeltoSettings& settings)
      : doc(doc), list(list), notes(notes), dialogs(dialogs), settings(settings) {}

  // The category selected in the list, when there is one.
  std::optional<TabInx> CurrentCategory() const;
  bool HasCurrentCategory() const { return CurrentCategory().has_value(); }
  // What the note window's current line shows (of the selected category).
  LineTarget CurrentLine() const;

  // The note window shows the list's selection again, counts its lines and repaints.
  void RefreshNoteWindow();
  // The same, starting again at the first line (another category is shown).
  void ShowSelectionFromTop();
  // Note `note` of `category` was added, pasted, edited or split: its line becomes current
  // once it is in view, and with `scroll` it is brought into view. An index that was not
  // found again (NoAddedNote) selects no line and scrolls nowhere.
  void ShowAddedNote(TabInx category, int note, bool scroll);

  Document& doc;
  CategoryList& list;
  TNoteWindow& notes;
  EditDialogs& dialogs;
  const ZeltoSettings& settings;
};

}  // namespace zelto
