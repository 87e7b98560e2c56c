#pragma once
// The note dialog: edits one text (a note or a category name) and its mark that keeps it
// out of printouts. The caller sets the text and flags, runs the dialog, and on OK reads
// them back: the text as Windows-1252 bytes with CR LF line breaks, the flags with only
// the NoPrint bit changed.
#include <QDialog>
#include <QFont>
#include <cstdint>
#include <string>
#include <string_view>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zelto {

class TNoteEdit;

// The help context of the note dialog's Help button.
inline constexpr int NoteDialogHelpContext = 1;

// What the dialog edits: a note (any number of lines; Enter starts a new one) or a category
// name (one line; Enter confirms).
enum class EditedText { Note, CategoryName };

// The settings the note dialog works with.
struct NoteDialogSettings {
  bool EditFont = false;  // the text field uses screenFont instead of the dialog font
  QFont screenFont;
  unsigned DateFormat = 0;  // the style of inserted dates
};

class TNoteDialog : public QDialog {
  Q_OBJECT

 public:
  // `caption` (Windows-1252 bytes) is cut to its first 150 characters.
  TNoteDialog(QWidget* parent, std::string_view caption, const NoteDialogSettings& settings,
              EditedText kind = EditedText::Note);

  // The text and flags shown; set before running the dialog.
  void SetText(std::string_view bytes);
  void SetFlags(std::uint8_t flags);

  // After OK: the edited text and flags.
  const std::string& Text() const { return text_; }
  std::uint8_t Flags() const { return flags_; }
  const std::string& Caption() const { return caption_; }

  // OK: takes the text and the print mark and closes, unless the text holds characters
  // that cannot be stored, or a category name holds a line break; then it says so and
  // stays open.
  void Ok();

  TNoteEdit* Edit() const { return edit_; }
  QCheckBox* NoPrintBox() const { return noPrint_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* HelpButton() const { return help_; }
  // The line under the text that says how to confirm.
  QLabel* ConfirmHint() const { return hint_; }

 signals:
  void helpRequested(int context);

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void LayOut();

  std::string caption_;
  std::string text_;
  std::uint8_t flags_ = 0;

  TNoteEdit* edit_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* help_;
  QCheckBox* noPrint_;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* hint_;
};

}  // namespace zelto
