#include "platform/HistoryKeys.h"

#include <QKeyEvent>

namespace zelto {

QList<QKeySequence> UndoKeys() { return {QKeySequence(Qt::CTRL | Qt::Key_Z)}; }

QList<QKeySequence> RedoKeys() {
  return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

bool IsHistoryKey(const QKeyEvent& event) {
  const QKeySequence typed(event.keyCombination());
  // Alt+Backspace is the accelerator table's undo.
  return UndoKeys().contains(typed) || RedoKeys().contains(typed) ||
         typed == QKeySequence(Qt::ALT | Qt::Key_Backspace);
}

}  // namespace zelto
