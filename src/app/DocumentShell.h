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
  // After the document was saved (Save or Save As).
  virtual void DocumentSaved() {}
};

}  // namespace zelto
