#include "mainwin/TextPrompt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/Prompter.h"

namespace zelto {
namespace {

std::deque<std::optional<QString>>& Answers() {
  static std::deque<std::optional<QString>> answers;
  return answers;
}

std::vector<TextPrompt::Asked>& Questions() {
  static std::vector<TextPrompt::Asked> asked;
  return asked;
}

}  // namespace

std::optional<QString> TextPrompt::Ask(QWidget* owner, const QString& caption,
                                       const QString& prompt, const QString& text) {
  Questions().push_back({caption, prompt, text});
  if (Prompter::InTestMode() || !Answers().empty()) {
    if (Answers().empty()) return std::nullopt;
    std::optional<QString> answer = Answers().front();
    Answers().pop_front();
    if (answer) answer->truncate(MaxLength);
    return answer;
  }

  QDialog dialog(owner != nullptr ? owner : Prompter::Owner());
  dialog.setWindowTitle(caption);
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(prompt, &dialog);
  auto* edit = new QLineEdit(text.left(MaxLength), &dialog);
  edit->setMaxLength(MaxLength);
  edit->selectAll();
  label->setBuddy(edit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(label);
  layout->addWidget(edit);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return edit->text();
}

void TextPrompt::SetNextAnswer(const std::optional<QString>& answer) {
  Prompter::SetTestMode(true);
  Answers().push_back(answer);
}

const std::vector<TextPrompt::Asked>& TextPrompt::History() { return Questions(); }

void TextPrompt::Reset() {
  Answers().clear();
  Questions().clear();
}

}  // namespace zelto
