#pragma once
// The keys of Undo and Redo of the document, which work wherever no edit field has the
// focus; the Edit menu shows the first of each. Alt+Backspace, the accelerator table's
// undo, comes on top.
#include <QKeySequence>
#include <QList>

class QKeyEvent;

namespace zelto {

QList<QKeySequence> UndoKeys();  // Ctrl+Z
QList<QKeySequence> RedoKeys();  // Ctrl+Shift+Z, Ctrl+Y
// Whether `event` is one of them or Alt+Backspace.
bool IsHistoryKey(const QKeyEvent& event);

}  // namespace zelto
