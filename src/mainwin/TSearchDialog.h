#pragma once
// The Search dialog: "Search for:" with an edit field, OK, Cancel and Help. It starts with
// the text last searched for and, on OK, stores the whole text typed.
#include <QDialog>
#include <QString>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace zelto {

class TSearchDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int EditId = 101;
  static constexpr int HelpContext = 11;

  // `searchText` (Windows-1252 bytes) is shown at the start and receives the text on OK.
  TSearchDialog(std::string& searchText, QWidget* parent = nullptr);

  QLineEdit* Edit() const { return edit_; }

  // Closes with OK only when the text can be stored; a character that notes cannot hold
  // is refused with a message and the dialog stays open.
  void accept() override;

  // Runs the dialog for `searchText`; true on OK. In test mode (Prompter::InTestMode) the
  // next queued answer is typed and confirmed instead, and without one it is cancelled.
  static bool Run(std::string& searchText, QWidget* parent);
  static void SetNextAnswer(const std::optional<QString>& typed);

 private:
  std::string& searchText_;
  QLineEdit* edit_ = nullptr;
};

}  // namespace zelto
