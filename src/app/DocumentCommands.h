#pragma once
// The document commands of the application object: New, Open, Save, Save As, Save as text,
// and the close query that runs before the program closes or another document is opened.
// Qt-free: the windows are reached through DocumentShell, the disk through FileStore.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/DocumentShell.h"
#include "app/RecoveryHooks.h"
#include "model/CategoryList.h"
#include "model/Document.h"
#include "model/DocumentFile.h"

namespace zelto {

// The application object's members that the document commands work on.
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
  // Without `recovery` no recovery copy is offered or discarded.
  DocumentCommands(DocumentSession session, DocumentShell& shell, FileStore& files,
                   RecoveryHooks* recovery = nullptr);

  // Opens the document of the start (the default file, or the one the command line names)
  // and offers its recovery copy.
  LoadResult OpenAtStart(const std::string& name);
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
  // Saves to the document's file, asking for a name only when it has none.
  SaveResult Save();
  // Saves under a new name; a cancelled or failed Save As keeps the previous name.
  void SaveAs();
  // Writes the whole tree as text to a file the user chooses.
  void SaveAsText();

 private:
  enum class Settled {
    Nothing,  // nothing was unsaved
    Saved,    // the user answered Yes and the save succeeded
    Dropped,  // the user answered No
    Kept,     // Cancel, or a save that did not happen: the caller stops
  };
  // Offers to save unsaved changes.
  Settled SettleUnsavedChanges();
  // The recovery copy of `name` goes: its changes were saved or dropped.
  void DiscardCopy(const std::string& name);
  bool SettledAtSessionEnd() const;
  DocumentEnv Env();

  DocumentSession s_;
  DocumentShell& shell_;
  FileStore& files_;
  RecoveryHooks* recovery_;
  bool droppedAtClose_ = false;                      // the last close query dropped the changes
  std::optional<std::uint64_t> sessionEndRevision_;  // the revision the session end settled
};

}  // namespace zelto
