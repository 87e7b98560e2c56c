#pragma once
// Find and Next: ask for a text, then show the notes that contain it one after the other,
// across all categories, the matched text selected in the entry detail window and the
// category's path in the status bar; a beep and "Not found" say there is no further one.
#include <QObject>
#include <QString>

#include "mainwin/Search.h"

class QWidget;

namespace zelto {

class TZeltoApp;
class TNoteWindow;
class CommandTable;

class SearchCommands : public QObject {
  Q_OBJECT

 public:
  // Find and Next join `commands`, the main window's command table; hits are shown in
  // `notes` and in its category list. Dialogs belong to `owner`.
  SearchCommands(TZeltoApp& app, TNoteWindow& notes, CommandTable& commands, QWidget* owner,
                 QObject* parent = nullptr);

  // Asks for the text; on OK searches from the beginning of the document.
  void Find();
  // Shows the next note that contains the text, or beeps; after a beep the search starts
  // again at the beginning.
  void Next();

  int SearchCategory() const { return searchCategory_; }

 private:
  void ShowHit(const SearchHit& hit);
  // A line in the status bar about the search.
  void ShowStatus(const QString& text);
  static constexpr int StatusTimeout = 10000;  // ms

  TZeltoApp& app_;
  TNoteWindow& notes_;
  QWidget* owner_;
  int searchCategory_ = 0;  // category of the last hit
};

}  // namespace zelto
