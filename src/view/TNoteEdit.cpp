#include "view/TNoteEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <algorithm>

#include "view/NoteDialogText.h"

namespace zelto {
namespace {

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

}  // namespace

TNoteEdit::TNoteEdit(QWidget* parent)
    : QPlainTextEdit(parent), clock_([] { return std::chrono::system_clock::now(); }) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // Tab moves on to the next control of the dialog, as in any dialog field.
  setTabChangesFocus(true);
}

QString TNoteEdit::EditorText(std::string_view bytes) {
  QString text = Cp1252::Decode(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

Cp1252::Encoded TNoteEdit::StoredText(const QString& editorText) {
  QString text = editorText;
  text.replace(QChar(QChar::ParagraphSeparator), u'\n');
  text.replace(QChar(QChar::LineSeparator), u'\n');
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return Cp1252::Encode(text);
}

bool TNoteEdit::HasLineBreak(const QString& text) {
  return std::any_of(text.begin(), text.end(), IsLineBreak);
}

void TNoteEdit::SetNoteText(std::string_view bytes) {
  setPlainText(EditorText(bytes));
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
}

Cp1252::Encoded TNoteEdit::NoteText() const {
  // The raw text: the plain-text form would turn no-break spaces into ordinary blanks.
  return StoredText(document()->toRawText());
}

TNoteEdit::KeyAction TNoteEdit::ActionOf(const QKeyEvent& e) const {
  const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
  if ((e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) &&
      (mods == Qt::ShiftModifier || (oneLine_ && mods == Qt::NoModifier)))
    return KeyAction::Confirm;
  if (!(mods & Qt::ControlModifier) || (mods & (Qt::AltModifier | Qt::MetaModifier)))
    return KeyAction::None;
  switch (e.key()) {
    case Qt::Key_B:
      return KeyAction::InsertDateTime;
    case Qt::Key_D:
      return KeyAction::InsertDate;
    case Qt::Key_T:
      return KeyAction::InsertTime;
    default:
      return KeyAction::None;
  }
}

bool TNoteEdit::event(QEvent* e) {
  // These keys belong to the editor even where a window shortcut uses them.
  if (e->type() == QEvent::ShortcutOverride &&
      ActionOf(*static_cast<QKeyEvent*>(e)) != KeyAction::None) {
    e->accept();
    return true;
  }
  return QPlainTextEdit::event(e);
}

void TNoteEdit::keyPressEvent(QKeyEvent* e) {
  const KeyAction action = ActionOf(*e);
  switch (action) {
    case KeyAction::None:
      QPlainTextEdit::keyPressEvent(e);
      return;
    case KeyAction::Confirm:
      emit okRequested();
      break;
    default:
      InsertDateText(action);
      break;
  }
  e->accept();
}

void TNoteEdit::insertFromMimeData(const QMimeData* source) {
  if (!oneLine_ || source == nullptr || !source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  // A line copied with its line break still goes in; a text of several lines does not.
  QString text = source->text();
  while (!text.isEmpty() && IsLineBreak(text.back())) text.chop(1);
  while (!text.isEmpty() && IsLineBreak(text.front())) text.remove(0, 1);
  if (HasLineBreak(text)) {
    emit lineBreakRefused();
    return;
  }
  insertPlainText(text);
}

void TNoteEdit::InsertDateText(KeyAction action) {
  const DateInsert what = action == KeyAction::InsertDateTime ? DateInsert::DateAndTime
                          : action == KeyAction::InsertDate   ? DateInsert::Date
                                                              : DateInsert::Time;
  const std::string text = InsertedDateText(what, ToLocalDateTime(clock_()), dateFormat_);
  // Replaces the selection, or goes in at the caret; one step for Undo.
  insertPlainText(Cp1252::Decode(text));
}

}  // namespace zelto
