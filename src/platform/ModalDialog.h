#pragma once
// Runs a program dialog modally. Tests queue what the user does in the next dialogs, so that
// no dialog waits for a person: each queued step receives the dialog, may fill its controls,
// and returns the dialog's result.
#include <QString>
#include <functional>
#include <vector>

class QDialog;

namespace zelto {

class ModalDialog {
 public:
  // What happens in a dialog that a test answers: returns QDialog::Accepted or Rejected.
  using Step = std::function<int(QDialog&)>;

  // Shows `dialog` modally and returns its result. In the Prompter's test mode the next
  // queued step runs instead; without one the dialog counts as cancelled.
  static int Run(QDialog& dialog);

  // ---- test hooks ----
  // Queues the next dialog's step (and switches the Prompter to test mode).
  static void SetNextStep(Step step);
  // The window titles of the dialogs run since the last reset, in order.
  static const std::vector<QString>& History();
  static void ResetTestHooks();
};

}  // namespace zelto
