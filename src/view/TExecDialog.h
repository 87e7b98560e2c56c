#pragma once
// The program dialog: a description, a program path (typed or picked with Browse) and
// optional arguments, composed on OK into the text of a Program entry.
#include <QDialog>
#include <QString>
#include <optional>
#include <string>

class QPushButton;

namespace zelto {

class TExecDialogField;

// The help context of the program dialog's Help button.
inline constexpr int ProgramDialogHelpContext = 13;

// What Browse does with the answer of the file-open dialog: put the chosen path into the
// path field, report a problem, or nothing (a plain cancel).
struct BrowseStep {
  enum class Kind { SetPath, Report, Nothing };
  Kind kind = Kind::Nothing;
  QString text;  // the path to set, or the message to show
};
// `chosen` is the file picked, if any; `error` the dialog's error code (0 for none).
BrowseStep StepAfterBrowse(const std::optional<QString>& chosen, long error);

class TExecDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TExecDialog(QWidget* parent = nullptr);

  // After OK: description CR LF path, and one blank and the arguments when given
  // (Windows-1252 bytes).
  const std::string& EntryText() const { return entryText_; }
  // Whether the last OK found both the description and the path filled in.
  bool OkToClose() const { return okToClose_; }

  // OK: closes with the composed text when the description and the path are filled in
  // and every character can be stored; otherwise the dialog stays open.
  void Ok();
  // Browse: picks the program path with the file-open dialog.
  void Browse();

  TExecDialogField* PathField() const { return path_; }
  TExecDialogField* ArgumentsField() const { return arguments_; }
  TExecDialogField* DescriptionField() const { return description_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* BrowseButton() const { return browse_; }
  QPushButton* HelpButton() const { return help_; }

 signals:
  void helpRequested(int context);

 private:
  std::string entryText_;
  bool okToClose_ = true;

  TExecDialogField* path_;
  TExecDialogField* arguments_;
  TExecDialogField* description_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* help_;
  QPushButton* browse_;
};

}  // namespace zelto
