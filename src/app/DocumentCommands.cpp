#include "app/DocumentCommands.h"

#include <optional>
#include <utility>

#include "app/DocumentSharing.h"
#include "model/TextExport.h"
#include "model/TreeOps.h"

namespace zelto {

DocumentCommands::DocumentCommands(DocumentSession session, DocumentShell& shell, FileStore& files,
                                   RecoveryHooks* recovery, DocumentLocks* locks)
    : s_(session), shell_(shell), files_(files), recovery_(recovery), locks_(locks) {}

DocumentEnv DocumentCommands::Env() {
  DocumentEnv env{s_.doc, s_.list, s_.dialog, shell_, files_, s_.defaultCat};
  env.mayReplace = [this](const std::string& fileName) { return MayReplace(fileName); };
  return env;
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
  if (recovery_) recovery_->DiscardCopy(name);
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
  lock_.reset();
  readOnly_ = false;
  disk_.Forget();
  shell_.DocumentLoaded();
  if (settled == Settled::Dropped) DiscardCopy(previous);
}

std::string MissingDocumentMessage(const std::string& path) {
  return "The file " + path + " no longer exists.";
}

LoadResult DocumentCommands::OpenAtStart(const std::string& name, bool chosen) {
  Opening opening = PrepareOpening(name);
  const bool offerCopy = opening.offerCopy;
  const bool heldElsewhere = opening.heldElsewhere;
  const LoadResult loaded = LoadBound(name, std::move(opening));
  if (loaded != LoadResult::NotZelto) KeepCopiesApart(name, heldElsewhere);
  DocumentEnv env = Env();
  RecoveryOffer offer = RecoveryOffer::None;
  if (recovery_ && loaded != LoadResult::NotZelto && offerCopy)
    offer = recovery_->OfferCopy(env, name);
  if (chosen && loaded != LoadResult::NotZelto &&
      (loaded != LoadResult::NewDocument || offer == RecoveryOffer::Restored))
    shell_.DocumentOpened();
  if (recovery_ && offer != RecoveryOffer::Restored) recovery_->OfferUnnamedCopy(env);
  return loaded;
}

bool DocumentCommands::BeginSwitch() {
  s_.switchingDocument = true;
  droppedAtClose_ = false;
  if (CloseQuery()) return true;
  s_.switchingDocument = false;  // nothing is switched after all
  return false;
}

void DocumentCommands::Open() {
  if (!BeginSwitch()) return;
  const std::string previous = s_.dialog.fileName;
  const bool dropped = droppedAtClose_;
  FileDialogData offer = s_.dialog;
  SetDocumentDialog(offer);
  const std::optional<std::string> name = shell_.AskOpenFileName(offer);
  if (!name || name->empty()) {
    s_.switchingDocument = false;
    return;
  }
  LoadSwitched(*name, previous, dropped);
}

OpenOutcome DocumentCommands::OpenFile(const std::string& name) {
  if (!files_.Exists(name) && !(recovery_ && recovery_->HasCopy(name))) {
    shell_.ShowMessage(MissingDocumentMessage(name));
    return OpenOutcome::Missing;
  }
  if (!BeginSwitch()) return OpenOutcome::Kept;
  const std::string previous = s_.dialog.fileName;
  return LoadSwitched(name, previous, droppedAtClose_);
}

OpenOutcome DocumentCommands::LoadSwitched(const std::string& name, const std::string& previous,
                                           bool dropped) {
  Opening opening = PrepareOpening(name);
  const bool offerCopy = opening.offerCopy;
  const bool heldElsewhere = opening.heldElsewhere;
  const LoadResult loaded = LoadBound(name, std::move(opening));
  // A refused file leaves the document as it was, with its changes and their copy.
  if (loaded == LoadResult::NotZelto) return OpenOutcome::Refused;
  // The copy of the changes dropped is where it was written, wherever the next one goes.
  if (dropped) DiscardCopy(previous);
  KeepCopiesApart(name, heldElsewhere);
  DocumentEnv env = Env();
  const RecoveryOffer offer =
      recovery_ && offerCopy ? recovery_->OfferCopy(env, name) : RecoveryOffer::None;
  // Without its copy a file that is gone leaves an empty document of that name.
  if (loaded == LoadResult::NewDocument && offer != RecoveryOffer::Restored)
    return OpenOutcome::Missing;
  shell_.DocumentOpened();
  return OpenOutcome::Opened;
}

SaveResult DocumentCommands::Save() {
  // Another program writes this document: the changes can go only under another name.
  if (readOnly_) return SaveUnderNewName();
  outsideAnswer_.reset();
  const std::string previous = s_.dialog.fileName;
  DocumentEnv env = Env();
  const SaveResult result = SaveDocument(env);
  if (result == SaveResult::Saved) {
    RecordSaved(s_.dialog.fileName);
    // A document that had no file yet is named now: the copy it had goes as well.
    if (previous != s_.dialog.fileName) DiscardCopy(previous);
    DiscardCopy(s_.dialog.fileName);
    shell_.DocumentSaved();
  } else if (const std::optional<OutsideChangeAnswer> answer = std::exchange(outsideAnswer_, {})) {
    return ActOnOutsideChange(*answer);
  }
  return result;
}

void DocumentCommands::SaveAs() { SaveUnderNewName(); }

SaveResult DocumentCommands::SaveUnderNewName() {
  s_.switchingDocument = true;
  if (!shell_.ClientMayClose()) {
    s_.switchingDocument = false;
    return SaveResult::Cancelled;
  }
  FileDialogData offer = s_.dialog;
  SetDocumentDialog(offer);
  const std::optional<std::string> name = shell_.AskSaveFileName(offer);
  if (!name || name->empty()) {
    s_.switchingDocument = false;
    return SaveResult::Cancelled;
  }
  const std::string previous = s_.dialog.fileName;
  const bool wasReadOnly = readOnly_;
  // The document takes the lock of its new file; one that another program holds is left to it.
  Opening target;
  if (locks_) {
    if (lock_ && lock_->Path() == locks_->LockFileOf(*name)) {
      target.keepsLock = true;
    } else {
      LockAttempt attempt = locks_->Lock(*name);
      if (attempt.HeldElsewhere()) {
        s_.switchingDocument = false;
        shell_.ShowMessage(LockedSaveMessage(*name, attempt.holder, locks_->LockFileOf(*name)));
        return SaveResult::Failed;
      }
      target.lock = std::move(attempt.lock);
    }
  }
  outsideAnswer_.reset();
  DocumentEnv env = Env();
  const SaveResult result = SaveDocument(env, *name);
  if (result != SaveResult::Saved) {
    // The document was not written there, so it stays bound to the file that holds it.
    s_.dialog.fileName = previous;
    s_.switchingDocument = false;
    if (const std::optional<OutsideChangeAnswer> answer = std::exchange(outsideAnswer_, {}))
      return ActOnOutsideChange(*answer);
    return result;
  }
  if (!target.keepsLock) lock_ = std::move(target.lock);
  readOnly_ = false;
  RecordSaved(*name);
  // The changes are saved, though under another name. The copy of a document opened
  // read-only is the copy of the program that writes it.
  if (!wasReadOnly) DiscardCopy(previous);
  DiscardCopy(*name);
  shell_.DocumentSaved();
  return SaveResult::Saved;
}

void DocumentCommands::SaveExportAs(ExportFormat format, FileDialogData& dialog) {
  zelto::SaveExportAs(format, s_.doc.tabs, dialog, shell_, files_);
}

void DocumentCommands::SaveAsText() {
  zelto::SaveAsText(s_.doc.tabs, s_.exportDialog, shell_, files_);
}

}  // namespace zelto
