#pragma once
// The entry detail window: shows the whole text of the current note, wrapped, so that a
// part of it can be selected and offered as a web link or a phone number. It is no editor
// of the document: nothing typed here is written back, and the keys that delete text do
// nothing.
#include <QPlainTextEdit>
#include <optional>

namespace zelto {

class TOneEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int ControlId = 1;

  explicit TOneEdit(QWidget* parent = nullptr);

  // Shows the whole text of the current entry. The text is set only when it differs from
  // what the window holds, so that a repeated announcement of the same entry keeps the
  // user's caret and selection; characters typed here are replaced by the entry again.
  void ShowEntry(const QString& text);

 signals:
  // Tab: the keyboard focus goes back to the note window.
  void FocusBackRequested();
  // A right click at `pos` (this window's coordinates): the detail menu is wanted.
  void DetailMenuRequested(QPoint pos);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // The text last given to ShowEntry and the document's revision right after it.
  QString shown_;
  std::optional<int> shownRevision_;
};

}  // namespace zelto
