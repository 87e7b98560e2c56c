// Drag and drop in the note window: a note line or a subcategory line is dragged onto a
// category line (the up-arrow line too) or onto the category list; text that another
// program drops becomes a note. The window only reports a drop; the main window carries it
// out.
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>

#include "view/TNoteWindow.h"

namespace zelto {

bool TNoteWindow::TakesDroppedLine(int line) const {
  return lines_.lineCountValid && line >= 0 && line < lines_.lineCount &&
         GetLineKind(line) == LineKind::CategoryLine;
}

void TNoteWindow::SetDropLine(int line) {
  if (line == dropLine_) return;
  const int before = dropLine_;
  dropLine_ = line;
  InvalidateLine(before);
  InvalidateLine(dropLine_);
}

void TNoteWindow::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) == 0 || pressLine_ < 0) return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  const int line = pressLine_;
  pressLine_ = -1;
  // A note or a subcategory can be dragged; the up-arrow and end lines stay.
  const LineKind kind = GetLineKind(line);
  if (line >= lines_.lineCount || lines_.IsUpArrowLine(line) ||
      (kind != LineKind::NoteLine && kind != LineKind::CategoryLine))
    return;
  auto* drag = new QDrag(this);
  drag->setMimeData(LineDragData(DraggedLine{lines_.currentCategory, line}));
  // Escape ends the drag where it began, as any drag.
  drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
  SetDropLine(-1);
}

void TNoteWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (DraggedLineOf(*event)) {
    event->acceptProposedAction();  // the line under the pointer decides in dragMoveEvent
    return;
  }
  const std::optional<OutsideDrop> outside = OutsideDropOf(*event);
  if (outside && outside->text) {
    event->acceptProposedAction();
    return;
  }
  event->ignore();  // files are the frame's
}

void TNoteWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!DraggedLineOf(*event)) {
    event->acceptProposedAction();  // text may go anywhere in the window
    return;
  }
  const int line = LineAtY(event->position().toPoint().y());
  if (TakesDroppedLine(line)) {
    SetDropLine(line);
    event->acceptProposedAction();
  } else {
    SetDropLine(-1);
    event->ignore();
  }
}

void TNoteWindow::dragLeaveEvent(QDragLeaveEvent* event) {
  SetDropLine(-1);
  event->accept();
}

void TNoteWindow::dropEvent(QDropEvent* event) {
  SetDropLine(-1);
  if (const std::optional<DraggedLine> from = DraggedLineOf(*event)) {
    const int line = LineAtY(event->position().toPoint().y());
    if (!TakesDroppedLine(line)) {
      event->ignore();
      return;
    }
    const bool copy = IsCopyDrop(*event);
    event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    emit LineDropped(*from, line, copy);
    return;
  }
  const std::optional<OutsideDrop> outside = OutsideDropOf(*event);
  if (!outside || !outside->text) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit TextDropped(*outside->text);
}

}  // namespace zelto
