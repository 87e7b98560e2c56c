#include "view/TOneEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zelto {

TOneEdit::TOneEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("EntryLine"));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
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

void TOneEdit::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      event->accept();  // this window never deletes text
      return;
    case Qt::Key_X:
      if (ctrl) {
        event->accept();
        return;
      }
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      event->accept();
      emit FocusBackRequested();
      return;
    default:
      break;
  }
  if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Delete)) {
    event->accept();
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
