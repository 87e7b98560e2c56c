#include "model/ExportSave.h"

namespace zelto {

SaveResult SaveExportWithDialog(FileDialogData& dialog, DocumentUi& ui,
                                const std::function<std::string(const std::string&)>& write) {
  const std::optional<std::string> chosen = ui.AskSaveFileName(dialog);
  if (!chosen || chosen->empty()) return SaveResult::Cancelled;
  dialog.fileName = *chosen;
  const std::string reason = write(*chosen);
  if (!reason.empty()) {
    ui.ShowMessage(SaveFailedMessage(*chosen, reason));
    return SaveResult::Failed;
  }
  return SaveResult::Saved;
}

}  // namespace zelto
