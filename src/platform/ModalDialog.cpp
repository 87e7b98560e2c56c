#include "platform/ModalDialog.h"

#include <QDialog>
#include <deque>

#include "platform/Prompter.h"

namespace zelto {
namespace {

std::deque<ModalDialog::Step>& Steps() {
  static std::deque<ModalDialog::Step> steps;
  return steps;
}

std::vector<QString>& Titles() {
  static std::vector<QString> titles;
  return titles;
}

}  // namespace

int ModalDialog::Run(QDialog& dialog) {
  if (!Prompter::InTestMode()) return dialog.exec();
  Titles().push_back(dialog.windowTitle());
  if (Steps().empty()) return QDialog::Rejected;
  const Step step = std::move(Steps().front());
  Steps().pop_front();
  return step(dialog);
}

void ModalDialog::SetNextStep(Step step) {
  Prompter::SetTestMode(true);
  Steps().push_back(std::move(step));
}

const std::vector<QString>& ModalDialog::History() { return Titles(); }

void ModalDialog::ResetTestHooks() {
  Steps().clear();
  Titles().clear();
}

}  // namespace zelto
