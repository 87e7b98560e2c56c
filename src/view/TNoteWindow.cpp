#include "view/TNoteWindow.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "common/CommandIds.h"
#include "platform/Cp1252.h"
#include "view/LineActivation.h"

namespace zelto {

namespace {

QColor FromColorRef(std::uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

// The part of a note that its line shows: up to the first carriage return, or all of it.
std::string_view DrawnText(const std::string& text, bool multiLine) {
  if (multiLine) return text;
  return std::string_view(text).substr(0, text.find('\r'));
}

// The up-arrow glyph of a line whose top is at `y`.
void DrawUpArrow(QPainter& p, int y, int h) {
  p.drawLine(20, y + h - 3, 20, y + 3);
  p.drawLine(20, y + 3, 15, y + 8);
  p.drawLine(20, y + 3, 25, y + 8);
}

}  // namespace

TNoteWindow::TNoteWindow(Document& doc, CategoryList* categories, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(doc),
      categories_(categories),
      scroller_(verticalScrollBar(), lineHeight_) {
  setFrameShape(QFrame::Box);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  scroller_.SetRange(0, 10);
}

void TNoteWindow::SetCategoryList(CategoryList* categories) {
  categories_ = categories;
  viewport()->update();
}

void TNoteWindow::SetLook(const NoteViewLook& look) {
  look_ = look;
  viewport()->update();
}

void TNoteWindow::SetLineHeight(int height) {
  lineHeight_ = std::max(height, 1);
  scroller_.SetUnits(lineHeight_);
  scroller_.SetPage(viewport()->height() / lineHeight_);
  viewport()->update();
}

long long TNoteWindow::SelectedCategory() const {
  return categories_ ? categories_->SelectedCategory() : -1;
}

LineKind TNoteWindow::GetLineKind(long long line) const {
  return lines_.GetLineKind(doc_.tabs, SelectedCategory(), line);
}

void TNoteWindow::SetCurrentLine(int line) {
  if (line == lines_.currentLine) return;
  lines_.currentLine = line;
  emit CurrentLineChanged(line);
}

void TNoteWindow::ShowSearchHit(long long category, long long note) {
  lines_.searchCategory = category;
  lines_.searchNote = note;
  lines_.showSearchHit = true;
  viewport()->update();
}

void TNoteWindow::ShowAddedNote(long long note) {
  lines_.addedNote = note;
  lines_.showAddedNote = true;
  viewport()->update();
}

void TNoteWindow::ScrollTo(int line) {
  line = std::max(line, 0);
  if (line > scroller_.YRange()) scroller_.SetRange(0, std::max(line, lines_.lineCount + 5));
  scroller_.ScrollTo(0, line);
}

NoteViewport TNoteWindow::LineGeometry() const {
  return {lineHeight_, viewport()->height(), scroller_.YPos(), lines_.lineCount,
          lines_.currentLine};
}

void TNoteWindow::ScrollToNote(long long note) {
  const int line = LineOfNote(note);
  const int top = ScrollToLine(line, LineGeometry());
  if (top != scroller_.YPos()) ScrollTo(top);
}

void TNoteWindow::InvalidateLine(long long line) {
  const long long y = (line - scroller_.YPos()) * lineHeight_;
  if (y + lineHeight_ <= 0 || y >= viewport()->height()) return;  // off screen
  viewport()->update(0, static_cast<int>(y), viewport()->width(), lineHeight_);
}

bool TNoteWindow::MoveByKey(NoteKey key, bool shift) {
  if (!lines_.lineCountValid) CountLines();
  const NoteMove move = MoveCurrentLine(key, shift, LineGeometry());
  if (move.toCategoryList) return false;
  if (move.repaint == NoteMove::Repaint::None) return true;
  SetCurrentLine(move.currentLine);
  if (move.scrollPos != scroller_.YPos()) ScrollTo(move.scrollPos);
  if (move.repaint == NoteMove::Repaint::Whole) {
    viewport()->update();
  } else {
    InvalidateLine(move.previousLine);
    InvalidateLine(move.currentLine);
  }
  return true;
}

void TNoteWindow::ActivateLine(long long line, bool forEdit) {
  if (!categories_) return;
  const LineActivation a =
      zelto::ActivateLine(doc_.tabs, lines_, line, SelectedCategory(), *categories_);
  switch (a.kind) {
    case LineActivation::Kind::Nothing:
      return;
    case LineActivation::Kind::Note:
      emit NoteActivated(a.category, static_cast<qsizetype>(a.note), forEdit);
      return;
    case LineActivation::Kind::WentDown:
    case LineActivation::Kind::WentUp:
      // The new level starts at its first line, which is current and in view.
      SetCurrentLine(0);
      InvalidateLineCount();
      ScrollTo(0);
      viewport()->update();
      return;
  }
}

bool TNoteWindow::HandleCommand(int id) {
  switch (id) {
    case CM_EDITCOPY:
      emit CopyNoteRequested();
      return true;
    case CM_EDITPASTE:
      emit PasteNoteRequested();
      doc_.modified = true;
      return true;
    case CM_RUN: {
      // Only a note that exists is handed on; the receiver checks that it is a program.
      const long long note = lines_.currentNote;
      if (note >= 0 &&
          static_cast<std::size_t>(note) < NoteCountOf(doc_.tabs, lines_.currentCategory))
        emit RunProgramRequested(static_cast<int>(lines_.currentCategory),
                                 static_cast<qsizetype>(note));
      return true;
    }
    default:
      return false;
  }
}

void TNoteWindow::FillCategoryList(TabInx parent, long long select) {
  if (!categories_) return;
  zelto::FillCategoryList(doc_.tabs, parent, select, *categories_);
  viewport()->update();
}

void TNoteWindow::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  const QRect area = event->rect();
  p.fillRect(area, Qt::white);

  const int h = lineHeight_;
  const int top = scroller_.YPos();
  const long long origin = static_cast<long long>(top) * h;
  const int lineBefore = lines_.currentLine;
  const PaintPlan plan =
      PlanPaint(doc_.tabs, SelectedCategory(), lines_,
                {area.top() + origin, area.bottom() + 1 + origin}, h, scroller_.YRange());
  if (plan.scrollRange) scroller_.SetRange(0, *plan.scrollRange);

  if (plan.shown) {
    p.setFont(look_.screenFont);
    const int ascent = QFontMetrics(look_.screenFont).ascent();
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    const QColor highlightText = palette().color(QPalette::Active, QPalette::HighlightedText);
    const Tab& shown = doc_.tabs[static_cast<std::size_t>(lines_.currentCategory)];

    for (const PaintedLine& line : plan.lines) {
      const int y = static_cast<int>((static_cast<long long>(line.line) - top) * h);
      // The line rectangle leaves the last pixel row of the pitch free.
      const QRect lineRect(0, y, lineRight, h - 1);
      if (line.current) p.fillRect(lineRect, highlight);

      QColor color;
      std::string_view text;
      switch (line.kind) {
        case PaintedKind::UpArrow:
          p.setPen(line.current ? QPen(highlightText, 1) : QPen(Qt::black, 1));
          DrawUpArrow(p, y, h);
          continue;
        case PaintedKind::End:
          continue;
        case PaintedKind::Subcategory:
          color = FromColorRef(look_.CatColor);
          text = doc_.tabs[line.item].text;
          break;
        case PaintedKind::Note: {
          const NoteString& note = shown.notes[line.item];
          color = IsNoPrint(note.flags)   ? FromColorRef(look_.NoPrintColor)
                  : IsProgram(note.flags) ? FromColorRef(look_.ExecColor)
                                          : FromColorRef(look_.MainColor);
          if (line.current && !IsProgram(note.flags)) color = highlightText;
          text = DrawnText(note.text, look_.MultiLine);
          break;
        }
      }
      p.save();
      if (line.current) p.setClipRect(lineRect);
      p.setPen(color);
      p.drawText(QPoint(textLeft, y + ascent), Cp1252::Decode(text));
      p.restore();
    }
  }

  if (plan.detailText) emit DetailTextChanged(Cp1252::Decode(*plan.detailText));
  if (lines_.currentLine != lineBefore) emit CurrentLineChanged(lines_.currentLine);
}

void TNoteWindow::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  scroller_.SetPage(viewport()->height() / lineHeight_);
}

void TNoteWindow::scrollContentsBy(int /*dx*/, int /*dy*/) { viewport()->update(); }

int TNoteWindow::LineAtY(int y) const {
  const long long line = (static_cast<long long>(scroller_.YPos()) * lineHeight_ + y) / lineHeight_;
  return static_cast<int>(std::clamp<long long>(line, 0, PendingLine - 1));
}

void TNoteWindow::MakeLineCurrent(int line) {
  const int previous = lines_.currentLine;
  SetCurrentLine(line);
  setFocus(Qt::MouseFocusReason);
  InvalidateLine(previous);
  InvalidateLine(line);
}

void TNoteWindow::mousePressEvent(QMouseEvent* event) {
  const int y = event->position().toPoint().y();
  if (event->button() == Qt::LeftButton) {
    MakeLineCurrent(LineAtY(y));
  } else if (event->button() == Qt::RightButton) {
    const int line = LineAtY(y);
    if (!lines_.lineCountValid) CountLines();
    // The note under the pointer; out of the note range on other lines.
    lines_.currentNote =
        line -
        (lines_.lineCount - static_cast<long long>(NoteCountOf(doc_.tabs, lines_.currentCategory)));
    MakeLineCurrent(line);
    emit ContextMenuRequested(event->globalPosition().toPoint());
  }
}

void TNoteWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  ActivateLine(LineAtY(event->position().toPoint().y()), false);
}

void TNoteWindow::keyPressEvent(QKeyEvent* event) {
  emit KeyDown(event->key(), event->modifiers());
  const QString text = event->text();
  if (text == QLatin1String("A") || text == QLatin1String("a"))
    emit AddNoteRequested();
  else if (!text.isEmpty())
    emit CharacterTyped(text);
  event->accept();
}

}  // namespace zelto
