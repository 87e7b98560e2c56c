#pragma once
// The entry detail window: shows the whole text of the current note, wrapped, so that a
// part of it can be selected and offered as a web link or a phone number. It is no editor
// of the document: nothing typed here is written back, and the keys that delete text do
// nothing.
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
  // A right click at `pos` (this window's coordinates): the detail menu is wanted.
  void DetailMenuRequested(QPoint pos);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;
};

}  // namespace zelto
