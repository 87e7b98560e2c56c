#pragma once
// The document commands of the application object: New, Open, Save, Save As, Save as text,
// and the close query that runs before the program closes or another document is opened.
// Qt-free: the windows are reached through DocumentShell, the disk through FileStore.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/DocumentShell.h"
#include "app/RecoveryHooks.h"
#include "common/ExportFormats.h"
#include "model/CategoryList.h"
#include "model/Document.h"
#include "model/DocumentFile.h"
#include "model/DocumentLock.h"
#include "model/FileIdentity.h"

namespace zelto {

// The application object's members that the document commands work on.
// How opening a named file ended.
enum class OpenOutcome {
  Opened,   // the file is the document now (or its restored recovery copy is)
  Missing,  // the file is not there: the user was told, or declined its recovery copy
  Refused,  // not a document (the user was told); nothing changed
  Kept,     // the user kept the document open (Cancel at the question about changes)
};

// "The file ... no longer exists."
std::string MissingDocumentMessage(const std::string& path);

struct DocumentSession {
  Document& doc;
  CategoryList& list;
  FileDialogData& dialog;         // the document's file dialog; its fileName is the document's
  FileDialogData& exportDialog;   // the text export's file dialog; keeps the last export name
  const std::string& defaultCat;  // the DefaultCat setting
  bool& switchingDocument;        // the next close query leaves the window position alone
};

class DocumentCommands {
 public:
  // Without `recovery` no recovery copy is offered or discarded; without `locks` documents
  // are opened without a lock.
  DocumentCommands(DocumentSession session, DocumentShell& shell, FileStore& files,
                   RecoveryHooks* recovery = nullptr, DocumentLocks* locks = nullptr);

  // Opens the document of the start (the default file, or the one the command line names)
  // and offers its recovery copy, or else that of a new document an earlier run never saved.
  // `chosen`: the user named it (on the command line, or by opening it from the file
  // manager), so it counts as opened; the default file that every start opens by itself
  // does not.
  LoadResult OpenAtStart(const std::string& name, bool chosen = true);
  // The desktop session ends (logout, shutdown). Unsaved changes are offered for saving as
  // at the close query when `mayAsk` (called only then) allows a question; otherwise they go
  // to the recovery copy. False when the user cancelled the end of the session. A close
  // that follows asks nothing more about the same changes.
  bool EndSession(const std::function<bool()>& mayAsk);

  // Whether the program may close. Unsaved changes are offered for saving first; a save
  // that does not happen (cancelled or failed) keeps the program open. Stores the window
  // position when the document was unchanged and no document switch is under way.
  bool CloseQuery();

  // Starts an empty document holding only the default category, without a file name.
  // Unsaved changes are offered for saving first.
  void New();
  // Offers to save unsaved changes, then opens the chosen document. The file name stays
  // until another file is actually opened.
  void Open();
  // Open with the file `name` instead of the dialog's choice (a recent document, a file
  // dropped on the window). A file that is not there and has no recovery copy is reported
  // before anything is asked or changed.
  OpenOutcome OpenFile(const std::string& name);
  // Saves to the document's file, asking for a name only when it has none.
  SaveResult Save();
  // Saves under a new name; a cancelled or failed Save As keeps the previous name.
  void SaveAs();
  // Writes the whole tree as text to a file the user chooses.
  void SaveAsText();
  // Writes the whole tree in `format` to a file the user chooses with `dialog`.
  void SaveExportAs(ExportFormat format, FileDialogData& dialog);

  // The document's file may have changed on disk. A change is loaded at once when the window
  // has no unsaved changes; with unsaved changes the user is asked what to do.
  void CheckFileOnDisk();
  // The document was opened read-only, its lock being held by another program: Save is not
  // offered (a save asks for another name), Save As is.
  bool ReadOnly() const { return readOnly_; }

 private:
  enum class Settled {
    Nothing,  // nothing was unsaved
    Saved,    // the user answered Yes and the save succeeded
    Dropped,  // the user answered No
    Kept,     // Cancel, or a save that did not happen: the caller stops
  };
  // Offers to save unsaved changes.
  Settled SettleUnsavedChanges();
  // The close query before another document takes this one's place; false when the user
  // kept this one.
  bool BeginSwitch();
  // Loads `name` after BeginSwitch and offers its recovery copy; `previous` is the file
  // the document came from, whose copy goes when its changes were dropped.
  OpenOutcome LoadSwitched(const std::string& name, const std::string& previous, bool dropped);
  // The recovery copy of `name` goes: its changes were saved or dropped.
  void DiscardCopy(const std::string& name);
  bool SettledAtSessionEnd() const;
  DocumentEnv Env();

  // Opening a document: its lock, and what the user chose when another program holds it.
  struct Opening {
    std::unique_ptr<DocumentLock> lock;
    bool keepsLock = false;      // the document is the open one, whose lock is held already
    bool readOnly = false;       // the user chose to open it read-only
    bool offerCopy = true;       // its recovery copy is this program's to offer
    bool heldElsewhere = false;  // another program holds the file
  };
  Opening PrepareOpening(const std::string& name);
  // Loads `name`; unless the file was refused, the document is now bound to it: its
  // version on disk is recorded and its lock held.
  LoadResult LoadBound(const std::string& name, Opening opening);
  // Tells crash recovery whether another program holds `name`, the document's file now.
  void KeepCopiesApart(const std::string& name, bool heldElsewhere);
  // The document holds what `fileName` holds now, having written it.
  void RecordSaved(const std::string& fileName);
  // Asked by a save just before it writes: false when the file changed on disk and the user
  // chose anything but saving over it (kept in outsideAnswer_).
  bool MayReplace(const std::string& fileName);
  SaveResult ActOnOutsideChange(OutsideChangeAnswer answer);
  // Loads the document's file again, the windows keeping their place. With unsaved changes,
  // they are first set aside as a recovery copy; false when that could not be done (the
  // user was told, and nothing was loaded).
  bool Reload();
  // Save As; the result of the save.
  SaveResult SaveUnderNewName();

  DocumentSession s_;
  DocumentShell& shell_;
  FileStore& files_;
  RecoveryHooks* recovery_;
  bool droppedAtClose_ = false;                      // the last close query dropped the changes
  std::optional<std::uint64_t> sessionEndRevision_;  // the revision the session end settled

  DocumentLocks* locks_;
  std::unique_ptr<DocumentLock> lock_;  // the lock of the open document, when this one holds it
  bool readOnly_ = false;
  DiskRecord disk_;  // the version of the document's file that the window holds
  std::optional<OutsideChangeAnswer> outsideAnswer_;
  bool saveOverConfirmed_ = false;  // the user chose to save over a changed file
  // The version on disk whose question was answered Cancel: it is not asked about again
  // until it changes once more or a save is attempted.
  std::optional<FileIdentity> declinedVersion_;
};

}  // namespace zelto
