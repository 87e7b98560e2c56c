#pragma once
// What the document commands need from the windows around them: the questions and file
// dialogs of the user interface, and the frame's part in closing. The application object
// implements it on the real windows; tests answer it from queues.
#include <optional>
#include <string>

#include "model/DocumentFile.h"

namespace zelto {

// The answers to "File has changed.  Save?".
enum class SaveChangesAnswer { Yes, No, Cancel };

// The answers when the document's file changed on disk while the window has unsaved changes.
enum class OutsideChangeAnswer {
  Reload,    // open the version on disk; the unsaved changes are set aside as a recovery copy
  SaveOver,  // save this version; the one on disk becomes the backup
  SaveAs,    // save this version under another name
  Cancel,    // keep the changes in the window; the next save asks again
};

// The answers when another program holds the lock of the document being opened.
enum class LockedDocumentAnswer { ReadOnly, OpenAnyway };

class DocumentShell : public DocumentUi {
 public:
  // Asks "File has changed.  Save?" with Yes (the default), No and Cancel.
  virtual SaveChangesAnswer AskSaveChanges() = 0;
  // The file-open dialog on `data`; the chosen name, or nothing when cancelled.
  virtual std::optional<std::string> AskOpenFileName(const FileDialogData& data) = 0;
  // Whether the main window and its children agree to close (and, when they do, the help
  // window is closed if it was used).
  virtual bool WindowsMayClose() = 0;
  // The main client window alone agrees to close (asked before Save As).
  virtual bool ClientMayClose() = 0;
  // Empties the entry detail window.
  virtual void ClearEntryDetail() = 0;
  // Writes the frame's position and state to the settings.
  virtual void StoreWindowPosition() = 0;
  // The document as it stands has just been written to its file (Save or Save As).
  virtual void DocumentSaved() {}
  // After a file was opened as the document (or its recovery copy restored), by any way.
  virtual void DocumentOpened() {}

  // The document's file `fileName` changed on disk and the window has unsaved changes: what
  // to do. `maySaveOver` is false for a document opened read-only.
  virtual OutsideChangeAnswer AskOutsideChange(const std::string& fileName, bool maySaveOver) {
    (void)fileName;
    (void)maySaveOver;
    return OutsideChangeAnswer::Cancel;
  }
  // Another program (`holder`, in words) holds the lock of `fileName`, which is being opened.
  virtual LockedDocumentAnswer AskLockedDocument(const std::string& fileName,
                                                 const std::string& holder) {
    (void)fileName;
    (void)holder;
    return LockedDocumentAnswer::ReadOnly;
  }
  // A note for the user that needs no answer (the status bar).
  virtual void ShowStatus(const std::string& text) { (void)text; }
  // A reload is about to replace the document: the windows note where they stand, by names,
  // and go back there after it (ReturnToPlace), as far as those places still exist.
  virtual void KeepPlace() {}
  virtual void ReturnToPlace() {}
};

}  // namespace zelto
