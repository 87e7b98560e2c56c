#include "view/TOneEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/HistoryKeys.h"

namespace zelto {

TOneEdit::TOneEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("EntryLine"));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  // Read-only: no caret and nothing typed, pasted or dropped goes in, while the mouse
  // still selects and Ctrl+C still copies.
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void TOneEdit::ShowText(const QString& text) {
  // Compared as the document holds it: every kind of line break as one, nothing else changed.
  QString wanted = text;
  wanted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  wanted.replace(u'\r', u'\n');
  QString shown = document()->toRawText();
  shown.replace(QChar::ParagraphSeparator, u'\n');
  if (wanted == shown) return;
  setPlainText(text);
}

void TOneEdit::SelectText(int start, int length) {
  QTextCursor cursor(document());
  cursor.setPosition(start);
  cursor.setPosition(start + length, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  ensureCursorVisible();
}

bool TOneEdit::event(QEvent* event) {
  // A read-only window leaves every shortcut to the frame, the document's Undo and Redo
  // keys among them. Copy stays here while text is selected, so that Ctrl+C and
  // Ctrl+Insert copy the selection.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsHistoryKey(*key)) {
      event->ignore();
      return true;
    }
    if (key->matches(QKeySequence::Copy) && textCursor().hasSelection()) {
      key->accept();
      return true;
    }
  }
  return QPlainTextEdit::event(event);
}

void TOneEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    event->accept();
    emit FocusBackRequested();
    return;
  }
  // Paste makes the clipboard text a new note, as it does in the note window; Copy with
  // nothing selected copies the current note, all that this window shows.
  if (event->matches(QKeySequence::Paste)) {
    event->accept();
    emit PasteNoteRequested();
    return;
  }
  if (event->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
    event->accept();
    emit CopyNoteRequested();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

bool TOneEdit::focusNextPrevChild(bool /*next*/) {
  emit FocusBackRequested();
  return true;
}

void TOneEdit::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  emit DetailMenuRequested(event->pos());
}

}  // namespace zelto
