#include "view/TOneEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "platform/HistoryKeys.h"

namespace zelto {

TOneEdit::TOneEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("EntryLine"));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
}

bool TOneEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && IsHistoryKey(*static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  return QPlainTextEdit::event(event);
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
