#pragma once
// The frame's client: holds the category list, the note window and the entry detail window,
// lays them out and colours them, and is the last window of every command chain before the
// application object. Operations add their commands to its table (Commands()).
#include <QLineEdit>
#include <QWidget>

#include "app/CommandTable.h"
#include "mainwin/PaneLayout.h"
#include "mainwin/ScreenLook.h"

namespace zelto {

class TCatWindow;

class TZeltoWindow : public QWidget, public CommandTarget {
  Q_OBJECT

 public:
  static constexpr int EntryLineId = 1;

  explicit TZeltoWindow(QWidget* parent = nullptr);
  ~TZeltoWindow() override;

  TCatWindow* CatList() const { return catList_; }
  QWidget* NoteView() const { return noteView_; }
  QLineEdit* EntryLine() const { return entryLine_; }

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
  // The user selected another category in the list (or none: -1). The note window shows
  // that category from its first line.
  void CategorySelectionChanged(int category);
  // A click in the category list is over: the note window recounts its lines.
  void CategoryListClicked();
  // The popup menu is wanted at `pos` (this window's coordinates).
  void ContextMenuRequested(QPoint pos, bool fromNoteWindow);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  void OnCategorySelected();
  void OnCategoryListRightClick(QPoint pos);

  ScreenLook look_;
  CommandTable commands_;
  TCatWindow* catList_ = nullptr;
  QWidget* noteView_ = nullptr;
  QLineEdit* entryLine_ = nullptr;
};

// The note window and the entry detail window of a new main window (TZeltoWindowPanes.cpp).
QWidget* CreateNoteView(TZeltoWindow* parent);
QLineEdit* CreateEntryLine(TZeltoWindow* parent);

}  // namespace zelto
