#include "app/DocumentCommands.h"

#include <optional>

#include "model/TextExport.h"
#include "model/TreeOps.h"

namespace zelto {

DocumentCommands::DocumentCommands(DocumentSession session, DocumentShell& shell, FileStore& files,
                                   RecoveryHooks* recovery)
    : s_(session), shell_(shell), files_(files), recovery_(recovery) {}

DocumentEnv DocumentCommands::Env() {
  return DocumentEnv{s_.doc, s_.list, s_.dialog, shell_, files_, s_.defaultCat};
}

DocumentCommands::Settled DocumentCommands::SettleUnsavedChanges() {
  if (!s_.doc.modified) return Settled::Nothing;
  switch (shell_.AskSaveChanges()) {
    case SaveChangesAnswer::Cancel:
      return Settled::Kept;
    case SaveChangesAnswer::No:
      return Settled::Dropped;
    case SaveChangesAnswer::Yes:
      break;
  }
  return Save() == SaveResult::Saved ? Settled::Saved : Settled::Kept;
}

void DocumentCommands::DiscardCopy(const std::string& name) {
  if (recovery_ && !name.empty()) recovery_->DiscardCopy(name);
}

bool DocumentCommands::SettledAtSessionEnd() const {
  return sessionEndRevision_ && *sessionEndRevision_ == s_.doc.modified.Revision();
}

bool DocumentCommands::CloseQuery() {
  // A window that refuses to close keeps the program open; there is nothing to ask then.
  if (!shell_.WindowsMayClose()) return false;
  if (s_.doc.modified) {
    // After the question the window position is left as it was: it is stored only when
    // the program closes on an unchanged document.
    if (SettledAtSessionEnd()) return true;
    const Settled settled = SettleUnsavedChanges();
    if (settled == Settled::Kept) return false;
    droppedAtClose_ = settled == Settled::Dropped;
    // Open drops the copy only once another document has taken this one's place.
    if (droppedAtClose_ && !s_.switchingDocument) DiscardCopy(s_.dialog.fileName);
    return true;
  }
  if (!s_.switchingDocument) shell_.StoreWindowPosition();
  s_.switchingDocument = false;
  return true;
}

bool DocumentCommands::EndSession(const std::function<bool()>& mayAsk) {
  if (!s_.doc.modified || SettledAtSessionEnd()) return true;
  if (!mayAsk()) {
    // Nobody may be asked: the changes go to the recovery copy, offered at the next start.
    if (recovery_) recovery_->WriteCopyNow(s_.dialog.fileName);
  } else {
    const Settled settled = SettleUnsavedChanges();
    if (settled == Settled::Kept) return false;
    if (settled == Settled::Dropped) DiscardCopy(s_.dialog.fileName);
  }
  sessionEndRevision_ = s_.doc.modified.Revision();
  return true;
}

void DocumentCommands::New() {
  const std::string previous = s_.dialog.fileName;
  const Settled settled = SettleUnsavedChanges();
  if (settled == Settled::Kept) return;
  ClearDocument(s_.doc, s_.list);
  shell_.ClearEntryDetail();
  if (const auto index = AppendCategory(s_.doc.tabs, s_.defaultCat, 0, NO_PARENT)) {
    const int pos = s_.list.AddString(s_.defaultCat);
    s_.list.SetItemData(pos, *index);
    s_.list.SetSelIndex(pos);
  }
  s_.dialog.fileName.clear();
  shell_.DocumentLoaded();
  if (settled == Settled::Dropped) DiscardCopy(previous);
}

LoadResult DocumentCommands::OpenAtStart(const std::string& name) {
  DocumentEnv env = Env();
  const LoadResult loaded = LoadDocument(env, name);
  if (loaded != LoadResult::NotZelto && recovery_) recovery_->OfferCopy(env, name);
  return loaded;
}

void DocumentCommands::Open() {
  s_.switchingDocument = true;
  droppedAtClose_ = false;
  if (!CloseQuery()) {
    s_.switchingDocument = false;  // nothing is switched after all
    return;
  }
  const std::string previous = s_.dialog.fileName;
  const bool dropped = droppedAtClose_;
  FileDialogData offer = s_.dialog;
  SetDocumentDialog(offer);
  const std::optional<std::string> name = shell_.AskOpenFileName(offer);
  if (!name || name->empty()) {
    s_.switchingDocument = false;
    return;
  }
  DocumentEnv env = Env();
  // A refused file leaves the document as it was, with its changes and their copy.
  if (LoadDocument(env, *name) == LoadResult::NotZelto) return;
  if (dropped) DiscardCopy(previous);
  if (recovery_) recovery_->OfferCopy(env, *name);
}

SaveResult DocumentCommands::Save() {
  DocumentEnv env = Env();
  const SaveResult result = SaveDocument(env);
  if (result == SaveResult::Saved) {
    DiscardCopy(s_.dialog.fileName);
    shell_.DocumentSaved();
  }
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
  // The changes are saved, though under another name.
  DiscardCopy(previous);
  DiscardCopy(*name);
  shell_.DocumentSaved();
}

void DocumentCommands::SaveAsText() {
  zelto::SaveAsText(s_.doc.tabs, s_.exportDialog, shell_, files_);
}

}  // namespace zelto
