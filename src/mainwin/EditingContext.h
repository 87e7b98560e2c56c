#pragma once
// What the editing commands work on: the document, the category list (whose selection is
// the current category), the note window (whose current line picks a note or a category),
// the dialogs and the settings. The note and category commands share one of these.
#include <memory>
#include <optional>
#include <string>

#include "mainwin/EditDialogs.h"
#include "mainwin/LineTarget.h"
#include "mainwin/WindowPlace.h"
#include "model/CategoryList.h"
#include "model/Document.h"
#include "model/DocumentChange.h"

namespace zelto {

class DocumentHistory;
class TNoteWindow;
struct ZeltoSettings;

class EditingContext {
 public:
  // Without `history` the changes are made but not recorded.
  EditingContext(Document& doc, CategoryList& list, TNoteWindow& notes, EditDialogs& dialogs,
                 const ZeltoSettings& settings, DocumentHistory* history = nullptr)
      : doc(doc),
        list(list),
        notes(notes),
        dialogs(dialogs),
        settings(settings),
        history(history) {}

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

  // Where the window stands: the listed level, the current category and the current line
  // (the line of an added note that the next paint makes current, when one is pending).
  WindowPlace Place() const;
  // Takes the window there: the level listed with its category selected, the note window
  // on that line and scrolled to it.
  void GoTo(const WindowPlace& place);
  // Adds the change just made, named `name` ("Delete Note"), to the history as one step
  // taken from the place `before`.
  void Record(const char* name, std::unique_ptr<DocumentChange> change, const WindowPlace& before);

  Document& doc;
  CategoryList& list;
  TNoteWindow& notes;
  EditDialogs& dialogs;
  const ZeltoSettings& settings;
  DocumentHistory* history;
};

}  // namespace zelto
