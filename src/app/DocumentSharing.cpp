// The document commands' part in sharing the document's file with other programs: the lock
// taken when a document is opened, the version on disk recorded at every load and save and
// compared before a save and whenever the file may have changed, and the reload.
#include "app/DocumentSharing.h"

#include <utility>

#include "app/DocumentCommands.h"

namespace zelto {

std::string OutsideChangeQuestion(const std::string& fileName, bool maySaveOver) {
  std::string text = "The file " + fileName +
                     " was changed on disk by another program, and this window has changes "
                     "that are not saved.\n\n"
                     "Reload: open the file as it is now; your changes are kept as a recovery "
                     "copy.\n";
  if (maySaveOver)
    text += "Save Over It: save your version; the other version becomes the backup.\n";
  text +=
      "Save As: save your version under another name.\n"
      "Cancel: keep working; the next save asks again.";
  return text;
}

std::string LockedDocumentQuestion(const std::string& fileName, const std::string& holder) {
  return "The file " + fileName + " is open in another Brindamor (" + holder +
         ").\n\nOpen it read-only: you can save your changes under another name with Save "
         "As.\nOpen anyway: both programs may then save over each other's changes.";
}

std::string LockedSaveMessage(const std::string& fileName, const std::string& holder,
                              const std::string& lockFile) {
  return "The file " + fileName + " is open in another Brindamor (" + holder +
         "), so it was not saved there. Save it under another name, or close it in the other "
         "Brindamor first. (When that program no longer runs, deleting its lock file " +
         lockFile + " frees the file.)";
}

std::string ReloadedNote(const std::string& fileName, const std::string& asidePath) {
  std::string text = "The file " + fileName + " changed on disk and was loaded again.";
  if (!asidePath.empty()) text += " Your unsaved changes are kept in " + asidePath + ".";
  return text;
}

std::string SetAsideFailedMessage(const std::string& fileName, const std::string& reason) {
  return "The file " + fileName +
         " was not loaded again: your unsaved changes could not be kept aside (" + reason +
         "). They are still in the window.";
}

std::string RemovedNote(const std::string& fileName) {
  return "The file " + fileName + " was removed from disk; Save writes it again.";
}

std::string ReadOnlyNote(const std::string& fileName) {
  return "Opened " + fileName + " read-only: Save As saves your changes under another name.";
}

DocumentCommands::Opening DocumentCommands::PrepareOpening(const std::string& name) {
  Opening opening;
  if (!locks_) return opening;
  if (lock_ && lock_->Path() == locks_->LockFileOf(name)) {
    opening.keepsLock = true;
    return opening;
  }
  LockAttempt attempt = locks_->Lock(name);
  if (!attempt.HeldElsewhere()) {
    opening.lock = std::move(attempt.lock);
    return opening;
  }
  // A recovery copy on this computer is the running holder's when it runs here.
  opening.offerCopy = !attempt.holderOnThisMachine;
  opening.heldElsewhere = true;
  opening.readOnly =
      shell_.AskLockedDocument(name, attempt.holder) == LockedDocumentAnswer::ReadOnly;
  return opening;
}

LoadResult DocumentCommands::LoadBound(const std::string& name, Opening opening) {
  // Taken before the file is read: a change while it is read shows as a change later.
  const std::optional<FileIdentity> version = files_.Identify(name);
  DocumentEnv env = Env();
  const LoadResult loaded = LoadDocument(env, name);
  if (loaded == LoadResult::NotZelto) return loaded;
  disk_.Record(s_.dialog.fileName, version);
  declinedVersion_.reset();
  if (!opening.keepsLock) lock_ = std::move(opening.lock);
  readOnly_ = opening.readOnly;
  if (readOnly_) shell_.ShowStatus(ReadOnlyNote(name));
  return loaded;
}

void DocumentCommands::KeepCopiesApart(const std::string& name, bool heldElsewhere) {
  if (recovery_) recovery_->SetHeldElsewhere(heldElsewhere ? name : std::string());
}

void DocumentCommands::RecordSaved(const std::string& fileName) {
  disk_.Record(fileName, files_.Identify(fileName));
  declinedVersion_.reset();
}

bool DocumentCommands::MayReplace(const std::string& fileName) {
  if (saveOverConfirmed_ || disk_.Check(files_, fileName) != DiskChange::Changed) return true;
  const OutsideChangeAnswer answer = shell_.AskOutsideChange(fileName, !readOnly_);
  if (answer == OutsideChangeAnswer::SaveOver && !readOnly_) return true;
  outsideAnswer_ = answer;
  return false;
}

SaveResult DocumentCommands::ActOnOutsideChange(OutsideChangeAnswer answer) {
  switch (answer) {
    case OutsideChangeAnswer::Reload:
      Reload();
      return SaveResult::Cancelled;
    case OutsideChangeAnswer::SaveOver: {
      if (readOnly_) return SaveResult::Cancelled;
      saveOverConfirmed_ = true;
      const SaveResult result = Save();
      saveOverConfirmed_ = false;
      return result;
    }
    case OutsideChangeAnswer::SaveAs:
      return SaveUnderNewName();
    case OutsideChangeAnswer::Cancel:
      break;
  }
  declinedVersion_ = files_.Identify(s_.dialog.fileName);
  return SaveResult::Cancelled;
}

void DocumentCommands::CheckFileOnDisk() {
  const std::string name = s_.dialog.fileName;
  if (name.empty()) return;
  switch (disk_.Check(files_, name)) {
    case DiskChange::None:
      return;
    case DiskChange::Removed:
      // Nothing to load; the document in the window is all there is now.
      shell_.ShowStatus(RemovedNote(name));
      return;
    case DiskChange::Changed:
      break;
  }
  if (!s_.doc.modified) {
    Reload();
    return;
  }
  if (declinedVersion_ && declinedVersion_ == files_.Identify(name)) return;
  ActOnOutsideChange(shell_.AskOutsideChange(name, !readOnly_));
}

bool DocumentCommands::Reload() {
  const std::string name = s_.dialog.fileName;
  std::string aside;
  if (s_.doc.modified) {
    std::string reason = "crash recovery is not available";
    if (recovery_) {
      reason = recovery_->WriteCopyNow(name);
      if (reason.empty()) {
        const std::optional<std::string> moved = recovery_->SetAsideCopy(name);
        if (moved)
          aside = *moved;
        else
          reason = "the recovery copy could not be set aside";
      }
    }
    if (aside.empty()) {
      shell_.ShowMessage(SetAsideFailedMessage(name, reason));
      return false;
    }
  }
  shell_.KeepPlace();
  Opening same;
  same.keepsLock = true;
  same.readOnly = readOnly_;
  if (LoadBound(name, std::move(same)) == LoadResult::NotZelto) return false;
  shell_.ReturnToPlace();
  // Where the changes went is worth a box of its own: a status line is too short for the
  // path and gone at the next hint.
  if (aside.empty())
    shell_.ShowStatus(ReloadedNote(name, aside));
  else
    shell_.ShowMessage(ReloadedNote(name, aside));
  return true;
}

}  // namespace zelto
