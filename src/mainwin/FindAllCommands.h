#pragma once
// Find all: the command that opens the pane, the search as the user types, and the way to
// a hit. The search reads a copy of the document, taken a little at a time on the window's
// thread whenever the document has changed, so that the scan off that thread never meets
// a document in the middle of a change; a change while the pane is open brings a new copy
// and searches again.
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "mainwin/FindAllSearch.h"
#include "mainwin/Search.h"
#include "model/Document.h"
#include "model/DocumentSnapshot.h"

class QDockWidget;
class QWidget;

namespace zelto {

class CommandTable;
class FindAllPane;
class SearchCommands;

class FindAllCommands : public QObject {
  Q_OBJECT

 public:
  // Joins `commands`; hits are shown by `search` (as Find shows them), and going to a hit
  // makes it the position where Next goes on (`state`). The pane docks in `window`'s frame.
  FindAllCommands(const Document& doc, SearchState& state, SearchCommands& search,
                  CommandTable& commands, QWidget* window, QObject* parent = nullptr);
  ~FindAllCommands() override;

  // Shows the pane with the keyboard focus in its field.
  void Open();
  // Hides the pane; its search stops and the copy of the document is let go.
  void Close();
  // Goes to the hit in row `row` of the list.
  void GoToRow(int row);

  FindAllPane* Pane() const { return pane_; }
  QDockWidget* Dock() const { return dock_; }
  FindAllSearch& Search() { return search_; }

 private:
  void CreatePane();
  void OnTextChanged(const QString& text);
  void OnFound(const std::vector<SearchHit>& hits, qulonglong count, bool done);
  // Searches the copy for the field's text, when the copy is up to date.
  void StartSearch();
  bool CopyIsCurrent() const;
  // Starts a new copy of the document unless one is under way.
  void StartCopy();
  void CopyStep();
  // While the pane is open: a changed document gets a new copy and search.
  void FollowDocument();

  const Document& doc_;
  SearchState& state_;
  SearchCommands& shower_;
  QWidget* window_;
  QDockWidget* dock_ = nullptr;
  FindAllPane* pane_ = nullptr;
  FindAllSearch search_;

  std::string text_;  // the field's text in the document's code page
  bool textUsable_ = false;
  std::shared_ptr<const TabList> copy_;
  std::uint64_t copyRevision_ = 0;
  DocumentSnapshot copier_;
  std::uint64_t copierRevision_ = 0;
  QTimer copyTimer_;
  QTimer followTimer_;
};

}  // namespace zelto
