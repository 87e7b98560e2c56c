#include "view/TNoteDialogLayout.h"

#include <algorithm>

namespace zelto {

NoteDialogLayout LayOutNoteDialog(const NoteDialogMetrics& m) {
  const auto sx = [&](int px) { return (px * m.scaleXNum + m.scaleXDen / 2) / m.scaleXDen; };
  const auto sy = [&](int px) { return (px * m.scaleYNum + m.scaleYDen / 2) / m.scaleYDen; };

  const int b = m.buttonWidth;
  const int d = m.buttonHeight + sy(15);  // one button and the gap below it
  const int x = m.clientWidth - b - sx(15);
  const int top = sy(20);

  NoteDialogLayout l;
  l.ok = {x, top, b, m.buttonHeight};
  l.cancel = {x, d + top, b, m.buttonHeight};
  l.help = {x, 2 * d + top, b, m.buttonHeight};
  l.noPrintBox = {x, 3 * d + top, m.checkWidth, m.checkHeight};
  l.label1 = {x + sx(20), 3 * d + top, m.labelWidth1, m.labelHeight};
  l.label2 = {x + sx(20), 3 * d + sy(35), m.labelWidth2, m.labelHeight};
  // A dialog made smaller than its buttons leaves the field empty rather than negative.
  const int width = std::max(0, x - sx(20));
  const int hintRoom = m.hintHeight > 0 ? m.hintHeight + sy(4) : 0;
  l.edit = {m.editLeft, m.editTop, width, std::max(0, m.clientHeight - sy(15) - hintRoom)};
  if (m.hintHeight > 0)
    l.hint = {m.editLeft, m.editTop + l.edit.height + sy(4), width, m.hintHeight};
  return l;
}

}  // namespace zelto
