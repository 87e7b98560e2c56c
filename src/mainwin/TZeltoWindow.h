#pragma once
// The frame's client: holds the category list, the note window and the entry detail window,
// lays them out and colours them, and is the last window of every command chain before the
// application object. Operations add their commands to its table (Commands()).
#include <QWidget>

#include "common/CommandTable.h"
#include "mainwin/PaneLayout.h"
#include "mainwin/ScreenLook.h"
#include "view/LineDrag.h"

namespace zelto {

struct Document;
struct KeyAction;
class DocumentHistory;
class TCatWindow;
class TNoteWindow;
class TOneEdit;

class TZeltoWindow : public QWidget, public CommandTarget {
  Q_OBJECT

 public:
  static constexpr int EntryLineId = 1;

  // The panes show `doc`, which outlives the window.
  explicit TZeltoWindow(Document& doc, QWidget* parent = nullptr);
  ~TZeltoWindow() override;

  TCatWindow* CatList() const { return catList_; }
  TNoteWindow* NoteView() const { return noteView_; }
  TOneEdit* EntryLine() const { return entryLine_; }
  // The document's history of changes, which Undo and Redo walk.
  DocumentHistory& History() const { return *history_; }

  // Colours, font and pane proportions; lays the panes out again.
  void SetLook(const ScreenLook& look);
  const ScreenLook& Look() const { return look_; }
  // The panes' places for the current size.
  PaneLayout CurrentLayout() const;

  // Whether the window and its children agree to close.
  bool CanClose() const { return true; }

  CommandTable& Commands() { return commands_; }
  bool HandlesCommand(int id) const override { return commands_.HandlesCommand(id); }
  void DoCommand(int id) override { commands_.DoCommand(id); }
  std::optional<bool> Enabled(int id) const override { return commands_.Enabled(id); }
  std::optional<bool> Checked(int id) const override { return commands_.Checked(id); }

 signals:
  // The user selected another category in the list (or none: -1); the note window already
  // shows it from its first line.
  void CategorySelectionChanged(int category);
  // The L key on a note line: open the current note's web link.
  void OpenLinkRequested();
  // The popup menu is wanted at `pos` (this window's coordinates), after a right click in
  // the note window (`fromNoteWindow`) or in the category list.
  void ContextMenuRequested(QPoint pos, bool fromNoteWindow);
  // A line of the note window was dropped on category `target` (an item of the category
  // list, or a category line of the note window); `copy` with Ctrl held.
  void LineDropped(DraggedLine from, int target, bool copy);
  // Text from another program was dropped on the note window.
  void TextDropped(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  void OnCategorySelected();
  void OnCategoryListClick();
  void OnCategoryListRightClick(QPoint pos);
  void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void OnCharacter(const QString& text);
  void Perform(const KeyAction& action);

  ScreenLook look_;
  CommandTable commands_;
  // The commands the note window takes while it has the focus.
  CommandTable noteViewCommands_;
  TCatWindow* catList_ = nullptr;
  TNoteWindow* noteView_ = nullptr;
  TOneEdit* entryLine_ = nullptr;
  DocumentHistory* history_ = nullptr;
};

// The entry detail window of a new main window (TZeltoWindowPanes.cpp).
TOneEdit* CreateEntryLine(TZeltoWindow* parent);

}  // namespace zelto
