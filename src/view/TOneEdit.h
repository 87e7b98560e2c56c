#pragma once
// The entry detail window: shows the whole text of the current note, wrapped, so that a
// part of it can be selected and offered as a web link or a phone number. It is no editor
// of the document and looks like none: it is read-only, without a caret, so that nothing
// the user types could seem to be kept.
#include <QPlainTextEdit>

namespace zelto {

class TOneEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int ControlId = 1;

  explicit TOneEdit(QWidget* parent = nullptr);

  // Shows `text`. The text it already shows leaves the selection and the scroll position as
  // they are, so that a repaint of the note window does not undo what the user selected.
  void ShowText(const QString& text);
  // Selects `length` characters from `start` (positions in the shown text, a line break
  // counting one) and scrolls them into view.
  void SelectText(int start, int length);

 signals:
  // Tab: the keyboard focus goes back to the note window.
  void FocusBackRequested();
  // Ctrl+V: paste the clipboard text as a new note.
  void PasteNoteRequested();
  // Ctrl+C with nothing selected: copy the current note.
  void CopyNoteRequested();
  // A right click at `pos` (this window's coordinates): the detail menu is wanted.
  void DetailMenuRequested(QPoint pos);

 protected:
  // Shortcuts go to the frame, the document's Undo and Redo keys among them (nothing typed
  // here is kept, so this window counts as no edit field for them); Copy stays here while
  // text is selected.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;
};

}  // namespace zelto
