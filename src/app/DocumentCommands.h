#pragma once
// The document commands of the application object: New, Open, Save, Save As, Save as text,
// and the close query that runs before the program closes or another document is opened.
// Qt-free: the windows are reached through DocumentShell, the disk through FileStore.
#include <string>

#include "app/DocumentShell.h"
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
  DocumentCommands(DocumentSession session, DocumentShell& shell, FileStore& files);

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
  // Offers to save unsaved changes. True when the caller may go on: nothing was unsaved,
  // the user answered No, or the save succeeded.
  bool SettleUnsavedChanges();
  DocumentEnv Env();

  DocumentSession s_;
  DocumentShell& shell_;
  FileStore& files_;
};

}  // namespace zelto
