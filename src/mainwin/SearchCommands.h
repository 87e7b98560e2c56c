#pragma once
// Find and Next: ask for a text, then show the notes that contain it one after the other,
// across all categories, the matched text selected in the entry detail window and the
// category's path in the status bar; a beep and "Not found" say there is no further one.
#include <QObject>
#include <QString>

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
  // Shows `hit` as Find shows one and makes it the position where Next goes on.
  void GoTo(const SearchHit& hit);

 signals:
  // A hit: the note's text, and where in it (as the entry detail window counts) the search
  // text stands, for that window to show selected.
  void MatchShown(const QString& noteText, int start, int length);

 private:
  void ShowHit(const SearchHit& hit);
  // A line in the status bar about the search.
  void ShowStatus(const QString& text);
  static constexpr int StatusTimeout = 10000;  // ms

  const Document& doc_;
  SearchState& state_;
  TNoteWindow& notes_;
  CategoryList& list_;
  QWidget* owner_;
};

}  // namespace zelto
