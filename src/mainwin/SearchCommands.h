#pragma once
// Find and Next: ask for a text, then show the notes that contain it one after the other,
// across all categories; a beep says there is no further one.
#include <QObject>

#include "mainwin/Search.h"

class QWidget;

namespace zelto {

class TNoteWindow;
class CommandTable;
class CategoryList;

class SearchCommands : public QObject {
  Q_OBJECT

 public:
  // Find and Next search `doc` from `state` and join `commands`, the main window's command
  // table; hits are shown in `notes` and in the category list `list`. Dialogs belong to
  // `owner`.
  SearchCommands(const Document& doc, SearchState& state, TNoteWindow& notes, CategoryList& list,
                 CommandTable& commands, QWidget* owner, QObject* parent = nullptr);

  // Asks for the text; on OK searches from the beginning of the document.
  void Find();
  // Shows the next note that contains the text, or beeps; after a beep the search starts
  // again at the beginning.
  void Next();

 private:
  void ShowHit(const SearchHit& hit);

  const Document& doc_;
  SearchState& state_;
  TNoteWindow& notes_;
  CategoryList& list_;
  QWidget* owner_;
};

}  // namespace zelto
