#include "app/DocumentCommands.h"

#include <optional>

#include "model/TextExport.h"
#include "model/TreeOps.h"

namespace zelto {

DocumentCommands::DocumentCommands(DocumentSession session, DocumentShell& shell, FileStore& files)
    : s_(session), shell_(shell), files_(files) {}

DocumentEnv DocumentCommands::Env() {
  return DocumentEnv{s_.doc, s_.list, s_.dialog, shell_, files_, s_.defaultCat};
}

bool DocumentCommands::SettleUnsavedChanges() {
  if (!s_.doc.modified) return true;
  switch (shell_.AskSaveChanges()) {
    case SaveChangesAnswer::Cancel:
      return false;
    case SaveChangesAnswer::No:
      return true;
    case SaveChangesAnswer::Yes:
      break;
  }
  return Save() == SaveResult::Saved;
}

bool DocumentCommands::CloseQuery() {
  // A window that refuses to close keeps the program open; there is nothing to ask then.
  if (!shell_.WindowsMayClose()) return false;
  if (s_.doc.modified) {
    // After the question the window position is left as it was: it is stored only when
    // the program closes on an unchanged document.
    return SettleUnsavedChanges();
  }
  if (!s_.switchingDocument) shell_.StoreWindowPosition();
  s_.switchingDocument = false;
  return true;
}

void DocumentCommands::New() {
  if (!SettleUnsavedChanges()) return;
  ClearDocument(s_.doc, s_.list);
  shell_.ClearEntryDetail();
  if (const auto index = AppendCategory(s_.doc.tabs, s_.defaultCat, 0, NO_PARENT)) {
    const int pos = s_.list.AddString(s_.defaultCat);
    s_.list.SetItemData(pos, *index);
    s_.list.SetSelIndex(pos);
  }
  s_.dialog.fileName.clear();
  shell_.DocumentLoaded();
}

void DocumentCommands::Open() {
  s_.switchingDocument = true;
  if (!CloseQuery()) {
    s_.switchingDocument = false;  // nothing is switched after all
    return;
  }
  FileDialogData offer = s_.dialog;
  SetDocumentDialog(offer);
  const std::optional<std::string> name = shell_.AskOpenFileName(offer);
  if (!name || name->empty()) {
    s_.switchingDocument = false;
    return;
  }
  DocumentEnv env = Env();
  LoadDocument(env, *name);
}

SaveResult DocumentCommands::Save() {
  DocumentEnv env = Env();
  const SaveResult result = SaveDocument(env);
  if (result == SaveResult::Saved) shell_.DocumentSaved();
  return result;
}

void DocumentCommands::SaveAs() {
  s_.switchingDocument = true;
  if (!shell_.ClientMayClose()) {
    s_.switchingDocument = false;
    return;
  }
  FileDialogData offer = s_.dialog;
  SetDocumentDialog(offer);
  const std::optional<std::string> name = shell_.AskSaveFileName(offer);
  if (!name || name->empty()) {
    s_.switchingDocument = false;
    return;
  }
  const std::string previous = s_.dialog.fileName;
  DocumentEnv env = Env();
  if (SaveDocument(env, *name) != SaveResult::Saved) {
    // The document was not written there, so it stays bound to the file that holds it.
    s_.dialog.fileName = previous;
    s_.switchingDocument = false;
    return;
  }
  shell_.DocumentSaved();
}

void DocumentCommands::SaveAsText() {
  zelto::SaveAsText(s_.doc.tabs, s_.exportDialog, shell_, files_);
}

}  // namespace zelto
