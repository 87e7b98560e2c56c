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

// What a note's line shows: the text up to the first carriage return, or with `multiLine`
// all of it on the one row, each line break (CR LF, CR or LF) drawn as a mark between
// blanks so that the lines do not run together. The mark is no Windows-1252 character,
// so it cannot be mistaken for one typed into the note.
QString DrawnText(const std::string& text, bool multiLine) {
  if (!multiLine) return Cp1252::Decode(std::string_view(text).substr(0, text.find('\r')));
  static const QString mark = QStringLiteral(" \u21B5 ");
  QString drawn = Cp1252::Decode(text);
  drawn.replace(QStringLiteral("\r\n"), mark);
  drawn.replace(u'\r', mark);
  drawn.replace(u'\n', mark);
  return drawn;
}

// "A" or "a" typed alone or with Shift adds a note; with Ctrl it is a control character.
bool IsAddNoteKey(const QString& text, bool control) {
  return !control && (text == QLatin1String("A") || text == QLatin1String("a"));
}

// The up-arrow glyph of a line whose top is at `y`.
void DrawUpArrow(QPainter& p, int y, int h) {
  p.drawLine(20, y + h - 3, 20, y + 3);
  p.drawLine(20, y + 3, 15, y + 8);
  p.drawLine(20, y + 3, 25, y + 8);
}

// The keyboard focus on the current line, as item views show it: a thin dotted rectangle
// just inside `rect`.
void DrawFocusFrame(QPainter& p, const QRect& rect, const QColor& color) {
  QPen pen(color, 0);
  pen.setDashPattern({1.0, 1.0});
  p.save();
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
  p.restore();
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
  // Lines dragged within the window and text from other programs; a file goes on to the
  // frame.
  viewport()->setAcceptDrops(true);
  scroller_.SetRange(0, 0);
}

void TNoteWindow::SetCategoryList(CategoryList* categories) {
  categories_ = categories;
  Refresh();
}

void TNoteWindow::SetLook(const NoteViewLook& look) {
  look_ = look;
  viewport()->update();
}

void TNoteWindow::SetLineHeight(int height) {
  lineHeight_ = std::max(height, 1);
  scroller_.SetUnits(lineHeight_);
  scroller_.SetPage(WholeLinesInView());
  Refresh();
}

int TNoteWindow::SelectedCategory() const {
  return categories_ ? categories_->SelectedCategory() : -1;
}

LineKind TNoteWindow::GetLineKind(int line) const {
  return lines_.GetLineKind(doc_.tabs, SelectedCategory(), line);
}

int TNoteWindow::WholeLinesInView() const { return viewport()->height() / lineHeight_; }

void TNoteWindow::UpdateScrollRange() {
  const int range = ScrollRangeFor(lines_.lineCount, WholeLinesInView());
  if (range != scroller_.YRange()) scroller_.SetRange(0, range);
}

VisibleLines TNoteWindow::LinesInView() const {
  // A line only partly in view at the bottom counts.
  return {scroller_.YPos(), (viewport()->height() + lineHeight_ - 1) / lineHeight_};
}

void TNoteWindow::UpdateLineState() {
  if (updating_) {
    updateAgain_ = true;  // a scroll caused by the range set below: run once more
    return;
  }
  updating_ = true;
  const NoteLines before = lines_;
  std::optional<std::string> detail;
  do {
    updateAgain_ = false;
    detail = UpdateLines(doc_.tabs, SelectedCategory(), lines_, LinesInView());
    UpdateScrollRange();  // a smaller range moves the scroll position: run once more
  } while (updateAgain_);
  updating_ = false;

  const bool otherLines =
      lines_.shown != before.shown || lines_.currentCategory != before.currentCategory ||
      lines_.lineCount != before.lineCount || lines_.lineCategories != before.lineCategories;
  if (otherLines) {
    viewport()->update();
  } else if (lines_.currentLine != before.currentLine) {
    InvalidateLine(before.currentLine);
    InvalidateLine(lines_.currentLine);
  }
  if (lines_.currentLine != before.currentLine) emit CurrentLineChanged(lines_.currentLine);
  if (detail) emit DetailTextChanged(Cp1252::Decode(*detail));
}

void TNoteWindow::Refresh() {
  UpdateLineState();
  viewport()->update();
}

void TNoteWindow::SetCurrentLine(int line) {
  if (line == lines_.currentLine) return;
  const int previous = lines_.currentLine;
  lines_.currentLine = line;
  emit CurrentLineChanged(line);
  UpdateLineState();
  InvalidateLine(previous);
  InvalidateLine(line);
}

void TNoteWindow::ShowSearchHit(int category, int note) {
  lines_.searchCategory = category;
  lines_.searchNote = note;
  lines_.showSearchHit = true;
  Refresh();
}

void TNoteWindow::ShowAddedNote(int note) {
  lines_.addedNote = note;
  lines_.showAddedNote = true;
  Refresh();
}

void TNoteWindow::ScrollTo(int line) {
  UpdateScrollRange();  // for the lines as last counted
  scroller_.ScrollTo(0, line);
}

NoteViewport TNoteWindow::LineGeometry() const {
  return {lineHeight_, viewport()->height(), scroller_.YPos(), lines_.lineCount,
          lines_.currentLine};
}

void TNoteWindow::ScrollToNote(int note) {
  const int line = LineOfNote(note);
  const int top = ScrollToLine(line, LineGeometry());
  if (top != scroller_.YPos()) ScrollTo(top);
}

void TNoteWindow::InvalidateLine(int line) {
  if (!LinesInView().Contains(line)) return;
  viewport()->update(0, (line - scroller_.YPos()) * lineHeight_, viewport()->width(), lineHeight_);
}

bool TNoteWindow::MoveByKey(NoteKey key, bool shift) {
  if (!lines_.lineCountValid) CountLines();
  const NoteMove move = MoveCurrentLine(key, shift, LineGeometry());
  if (move.toCategoryList) return false;
  if (move.repaint == NoteMove::Repaint::None) return true;
  SetCurrentLine(move.currentLine);
  if (move.scrollPos != scroller_.YPos()) ScrollTo(move.scrollPos);
  if (move.repaint == NoteMove::Repaint::Whole) viewport()->update();
  return true;
}

void TNoteWindow::ActivateLine(int line, bool forEdit) {
  if (!categories_) return;
  const LineActivation a =
      zelto::ActivateLine(doc_.tabs, lines_, line, SelectedCategory(), *categories_);
  switch (a.kind) {
    case LineActivation::Kind::Nothing:
      return;
    case LineActivation::Kind::Note:
      emit NoteActivated(a.category, a.note, forEdit);
      return;
    case LineActivation::Kind::WentDown:
    case LineActivation::Kind::WentUp:
      // The new level starts at its first line, which is current and in view.
      SetCurrentLine(0);
      ScrollTo(0);
      Refresh();
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
      const int note = lines_.currentNote;
      if (note >= 0 && note < NoteCountOf(doc_.tabs, lines_.currentCategory))
        emit RunProgramRequested(lines_.currentCategory, note);
      return true;
    }
    default:
      return false;
  }
}

void TNoteWindow::FillCategoryList(TabInx parent, int select) {
  if (!categories_) return;
  zelto::FillCategoryList(doc_.tabs, parent, select, *categories_);
  Refresh();
}

void TNoteWindow::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  const QRect area = event->rect();
  p.fillRect(area, Qt::white);

  const int h = lineHeight_;
  const int top = scroller_.YPos();
  const int firstLine = top + std::max(area.top(), 0) / h;
  const int endLine = top + (area.bottom() + h) / h;  // past the last line the area meets
  const std::vector<PaintedLine> lines = LinesToPaint(doc_.tabs, lines_, firstLine, endLine);
  if (lines.empty()) return;

  p.setFont(look_.screenFont);
  const int ascent = QFontMetrics(look_.screenFont).ascent();
  const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
  const QColor highlightText = palette().color(QPalette::Active, QPalette::HighlightedText);
  const Tab& shown = doc_.tabs[static_cast<std::size_t>(lines_.currentCategory)];
  const bool focused = hasFocus();

  for (const PaintedLine& line : lines) {
    const int y = (line.line - top) * h;
    // The line rectangle leaves the last pixel row of the pitch free.
    const QRect lineRect(0, y, lineRight, h - 1);
    if (line.current) {
      p.fillRect(lineRect, highlight);
      if (focused) DrawFocusFrame(p, QRect(0, y, viewport()->width(), h - 1), highlightText);
    }
    if (line.line == dropLine_) {
      // The target of a drag: framed, so that it stands out from the current line too.
      p.setPen(QPen(highlight.darker(150), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRect(1, y + 1, viewport()->width() - 3, h - 3));
    }

    QColor color;
    QString text;
    switch (line.kind) {
      case PaintedKind::UpArrow:
        p.setPen(line.current ? QPen(highlightText, 1) : QPen(Qt::black, 1));
        DrawUpArrow(p, y, h);
        continue;
      case PaintedKind::End:
        continue;
      case PaintedKind::Subcategory:
        color = FromColorRef(look_.CatColor);
        text = Cp1252::Decode(doc_.tabs[static_cast<std::size_t>(line.item)].text);
        break;
      case PaintedKind::Note: {
        const NoteString& note = shown.notes[static_cast<std::size_t>(line.item)];
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
    p.drawText(QPoint(textLeft, y + ascent), text);
    p.restore();
  }
}

void TNoteWindow::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  InvalidateLine(lines_.currentLine);  // the focus frame appears
}

void TNoteWindow::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  InvalidateLine(lines_.currentLine);
}

void TNoteWindow::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  scroller_.SetPage(WholeLinesInView());
  UpdateLineState();
}

void TNoteWindow::scrollContentsBy(int /*dx*/, int /*dy*/) {
  UpdateLineState();
  viewport()->update();
}

int TNoteWindow::LineAtY(int y) const { return scroller_.YPos() + std::max(y, 0) / lineHeight_; }

void TNoteWindow::MakeLineCurrent(int line) {
  SetCurrentLine(line);
  setFocus(Qt::MouseFocusReason);
}

void TNoteWindow::mousePressEvent(QMouseEvent* event) {
  const int y = event->position().toPoint().y();
  if (event->button() == Qt::LeftButton) {
    pressPos_ = event->position().toPoint();
    pressLine_ = LineAtY(y);
    MakeLineCurrent(pressLine_);
  } else if (event->button() == Qt::RightButton) {
    const int line = LineAtY(y);
    if (!lines_.lineCountValid) CountLines();
    // The note under the pointer; out of the note range on other lines.
    lines_.currentNote = line - (lines_.lineCount - NoteCountOf(doc_.tabs, lines_.currentCategory));
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
  const Qt::KeyboardModifiers mods = event->modifiers();
  // With Alt or Meta a key belongs to the menus and the desktop: it types nothing here.
  if (mods & (Qt::AltModifier | Qt::MetaModifier)) {
    event->ignore();
    return;
  }
  const QString text = event->text();
  if (IsAddNoteKey(text, (mods & Qt::ControlModifier) != 0))
    emit AddNoteRequested();
  else if (!text.isEmpty())
    emit CharacterTyped(text);
  event->accept();
}

}  // namespace zelto
