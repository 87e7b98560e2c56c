#pragma once
// The text field of the note dialog: a multi-line editor in which Enter starts a new line,
// Shift+Enter confirms the dialog, and Ctrl+B, Ctrl+D and Ctrl+T put in the date and time.
// For a one-line text (a category name) Enter confirms too and no line break goes in.
// Texts go in and out as Windows-1252 bytes with CR LF line breaks.
#include <QPlainTextEdit>
#include <chrono>
#include <functional>
#include <string_view>

#include "platform/Cp1252.h"

namespace zelto {

class TNoteEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;

  explicit TNoteEdit(QWidget* parent = nullptr);

  // The style of the dates that Ctrl+B and Ctrl+D insert (the DateFormat setting).
  void SetDateFormat(unsigned dateFormat) { dateFormat_ = dateFormat; }
  // Where the current time comes from; the system clock unless replaced.
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  // A one-line text: Enter confirms, and a paste or drop that would break the line is
  // refused (line breaks at its ends are left out).
  void SetOneLine(bool oneLine) { oneLine_ = oneLine; }
  bool OneLine() const { return oneLine_; }

  // Shows a stored text, its caret at the end with nothing selected.
  void SetNoteText(std::string_view bytes);
  // The whole text as it would be stored, or the characters that keep it from being stored.
  Cp1252::Encoded NoteText() const;

  // Conversions between stored text (CR LF, LF or a lone CR break a line) and the editor's
  // lines; the editor's own line and paragraph separators come back as CR LF.
  static QString EditorText(std::string_view bytes);
  static Cp1252::Encoded StoredText(const QString& editorText);
  // Whether an editor text holds a line break of any kind.
  static bool HasLineBreak(const QString& text);

 signals:
  // Shift+Enter (and Enter in a one-line text): the dialog's OK.
  void okRequested();
  // A paste or drop into a one-line text was refused because it breaks the line.
  void lineBreakRefused();

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  enum class KeyAction { None, Confirm, InsertDateTime, InsertDate, InsertTime };
  KeyAction ActionOf(const QKeyEvent& e) const;
  void InsertDateText(KeyAction action);

  unsigned dateFormat_ = 0;
  bool oneLine_ = false;
  Clock clock_;
};

}  // namespace zelto
