#include "view/NoteKeyMovement.h"

#include <algorithm>

namespace zelto {

NoteMove MoveCurrentLine(NoteKey key, bool shift, const NoteViewport& view) {
  NoteMove move;
  move.currentLine = view.currentLine;
  move.scrollPos = view.scrollPos;
  move.previousLine = view.currentLine;
  if (shift) {
    move.toCategoryList = true;
    return move;
  }
  const int h = std::max(view.lineHeight, 1);
  const int page = std::max(view.clientHeight, 0) / h;
  const int top = view.scrollPos;
  const int n = view.lineCount;
  const int r = view.currentLine;

  switch (key) {
    case NoteKey::PageUp:
      if (top <= 0) break;
      move.scrollPos = std::max(0, top - page);
      move.currentLine = r + (move.scrollPos - top);
      move.repaint = NoteMove::Repaint::Whole;
      break;
    case NoteKey::PageDown:
      if (top + page >= n) break;
      if (top + 2 * page - 1 < n)
        move.scrollPos = top + page;
      else
        move.scrollPos = n - page;
      move.currentLine = r + (move.scrollPos - top);
      move.repaint = NoteMove::Repaint::Whole;
      break;
    case NoteKey::End:
      // The last category or note line; an empty category has only line 0.
      move.currentLine = std::max(0, n - 1);
      move.scrollPos = std::max(0, move.currentLine - page + 1);
      move.repaint = NoteMove::Repaint::Whole;
      break;
    case NoteKey::Home:
      move.currentLine = 0;
      move.scrollPos = 0;
      move.repaint = NoteMove::Repaint::Whole;
      break;
    case NoteKey::Up:
      if (r <= 0) break;
      move.currentLine = r - 1;
      if (move.currentLine < top) move.scrollPos = top - 1;
      move.repaint = NoteMove::Repaint::TwoLines;
      break;
    case NoteKey::Down:
      // Down may reach line n, the end line, but not go past it.
      if (r >= n) break;
      move.currentLine = r + 1;
      if (static_cast<long long>(move.currentLine - top + 1) * h > view.clientHeight)
        move.scrollPos = top + 1;
      move.repaint = NoteMove::Repaint::TwoLines;
      break;
  }
  // A scroll moves every line on screen, so the whole window is drawn again.
  if (move.scrollPos != top && move.repaint != NoteMove::Repaint::None)
    move.repaint = NoteMove::Repaint::Whole;
  return move;
}

int ScrollToLine(int line, const NoteViewport& view) {
  const int h = std::max(view.lineHeight, 1);
  if (line < view.scrollPos) return line;
  const int visible = std::max(view.clientHeight, 0) / h;  // whole lines
  if (line >= view.scrollPos + visible) return std::max(0, line - view.clientHeight / (2 * h));
  return view.scrollPos;
}

}  // namespace zelto
