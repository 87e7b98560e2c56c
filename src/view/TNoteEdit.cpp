#include "view/TNoteEdit.h"

#include <QKeyEvent>
#include <QTextBlock>

#include "view/NoteDialogText.h"

namespace zelto {

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

TNoteEdit::KeyAction TNoteEdit::ActionOf(const QKeyEvent& e) {
  const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
  if ((e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) && mods == Qt::ShiftModifier)
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

void TNoteEdit::InsertDateText(KeyAction action) {
  const DateInsert what = action == KeyAction::InsertDateTime ? DateInsert::DateAndTime
                          : action == KeyAction::InsertDate   ? DateInsert::Date
                                                              : DateInsert::Time;
  const std::string text = InsertedDateText(what, ToLocalDateTime(clock_()), dateFormat_);
  // Replaces the selection, or goes in at the caret; one step for Undo.
  insertPlainText(Cp1252::Decode(text));
}

}  // namespace zelto
