#pragma once
// A line of the note window on its way to a drop: which category the window showed and
// which of its lines was dragged. It travels inside this program only (the drop event's
// source tells a drag of ours from one of another program).
#include <QString>
#include <QStringList>
#include <optional>

class QDropEvent;
class QMimeData;

namespace zelto {

struct DraggedLine {
  int shown = -1;  // the category the note window showed
  int line = -1;   // the dragged line of it
};

// The drag data of `line`.
QMimeData* LineDragData(const DraggedLine& line);
// The line a drag of this program carries; nothing for any other drag.
std::optional<DraggedLine> DraggedLineOf(const QDropEvent& event);

// What a drop from another program brings: local files, or else text. Text that could only
// be a file's name of another computer is still text.
struct OutsideDrop {
  QStringList files;
  std::optional<QString> text;
};
std::optional<OutsideDrop> OutsideDropOf(const QDropEvent& event);

// With Ctrl held a dragged note is copied rather than moved.
bool IsCopyDrop(const QDropEvent& event);

}  // namespace zelto
