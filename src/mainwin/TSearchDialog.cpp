#include "mainwin/TSearchDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <deque>

#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/HelpWindow.h"
#include "platform/Prompter.h"

namespace zelto {
namespace {

std::deque<std::optional<QString>>& Answers() {
  static std::deque<std::optional<QString>> answers;
  return answers;
}

}  // namespace

TSearchDialog::TSearchDialog(std::string& searchText, QWidget* parent)
    : QDialog(parent), searchText_(searchText) {
  setWindowTitle(QStringLiteral("Search"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  const DialogUnits du(font());
  setFixedSize(du.Size(204, 62));

  auto* label = new QLabel(QStringLiteral("Search for:"), this);
  label->setGeometry(du.Rect(8, 8, 130, 10));
  edit_ = new QLineEdit(Cp1252::Decode(searchText_), this);
  edit_->setObjectName(QStringLiteral("SearchText"));
  edit_->setGeometry(du.Rect(8, 20, 134, 14));
  edit_->selectAll();
  label->setBuddy(edit_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(du.Rect(148, 6, 50, 14));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setGeometry(du.Rect(148, 24, 50, 14));
  auto* help = new QPushButton(QStringLiteral("Help"), this);
  help->setGeometry(du.Rect(148, 42, 50, 14));
  connect(ok, &QPushButton::clicked, this, &TSearchDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &TSearchDialog::reject);
  connect(help, &QPushButton::clicked, this,
          [this] { HelpWindow::ShowContext(HelpContext, this); });
  edit_->setFocus();
}

void TSearchDialog::accept() {
  const Cp1252::Encoded encoded = Cp1252::Encode(edit_->text());
  if (!encoded.Ok()) {
    Prompter::Message(QStringLiteral("Notes cannot hold these characters, so no note can "
                                     "contain them: %1")
                          .arg(encoded.unmappable),
                      QStringLiteral("Search"), Prompter::Icon::Warning);
    return;
  }
  searchText_ = encoded.bytes;
  QDialog::accept();
}

bool TSearchDialog::Run(std::string& searchText, QWidget* parent) {
  TSearchDialog dialog(searchText, parent);
  if (Prompter::InTestMode()) {
    if (Answers().empty()) return false;
    const std::optional<QString> typed = Answers().front();
    Answers().pop_front();
    if (!typed) return false;
    dialog.edit_->setText(*typed);
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
  }
  return dialog.exec() == QDialog::Accepted;
}

void TSearchDialog::SetNextAnswer(const std::optional<QString>& typed) {
  Prompter::SetTestMode(true);
  Answers().push_back(typed);
}

}  // namespace zelto
