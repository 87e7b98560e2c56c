#pragma once
// The application object: creates the frame and every window, owns the document, the
// settings and what the command groups keep between commands, and hands each group only
// the parts it works on. It handles the document and help commands itself and answers the
// close query.
#include <QFont>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentCommands.h"
#include "app/DocumentShell.h"
#include "app/PrintCommands.h"
#include "app/RecentDocumentCommands.h"
#include "app/WindowPlacement.h"
#include "common/CommandTable.h"
#include "common/CommandTarget.h"
#include "common/ExportFormats.h"
#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "mainwin/ActionCommands.h"
#include "mainwin/PlaceByName.h"
#include "mainwin/Search.h"
#include "model/Document.h"
#include "model/DocumentFile.h"
#include "model/DocumentLock.h"

namespace zelto {

class DocumentWatcher;
class ProgramPermissions;
class RecoveryWriter;
class TSDIDecFrame;
class TZeltoWindow;
class TCatWindow;

// What the application object works with outside itself. The program uses the platform's
// own; tests give memory stores and a registration that touches nothing.
struct TZeltoAppServices {
  std::unique_ptr<SettingsStore> settings;
  std::unique_ptr<FileStore> files;
  // Writes the file-type registration, or removes it when the argument is true.
  std::function<void(bool remove)> fileTypeRegistration;
  std::string notePadDefault;            // the NotePad setting when none is stored
  std::string recoveryFolder;            // where the recovery copies of unsaved changes are kept
  std::unique_ptr<DocumentLocks> locks;  // the documents' locks; none: opened without locks

  static TZeltoAppServices Platform();
};

class TZeltoApp : public ApplicationTarget, private DocumentShell {
 public:
  // Reads every setting; the windows come with InitInstance.
  explicit TZeltoApp(TZeltoAppServices services = TZeltoAppServices::Platform());
  ~TZeltoApp() override;
  TZeltoApp(const TZeltoApp&) = delete;
  TZeltoApp& operator=(const TZeltoApp&) = delete;

  // Builds and shows the frame, writes or removes the file-type registration as the command
  // line (`args`, the arguments after the program name) asks, and loads the start-up document.
  void InitInstance(const std::vector<std::string>& args);
  // InitInstance, then the message loop; the process's exit status.
  int Run(const std::vector<std::string>& args);

  TSDIDecFrame* Frame() const { return frame_.get(); }
  TZeltoWindow* MainWindow() const;
  TCatWindow* CatList() const;

  FileStore& Files() { return *files_; }
  // The store the settings are read from and written to.
  SettingsStore& Store() { return *store_; }

  // ---- commands of the application object ----
  void CmFileNew();
  void CmFileOpen();
  void CmFileSave();
  void CmFileSaveAs();
  void CmSaveAsText();
  void CmSaveExportAs(ExportFormat format);
  void CmHelpContents();
  void CmHelpUsing();
  void CmHelpAbout();
  // Whether the program may close: offers to save unsaved changes, stores the window
  // position. Also run by Open before another document replaces this one.
  bool CloseQuery() override;
  // Opens `path` as Open would with that file chosen (the question about changes first).
  OpenOutcome OpenDocumentFile(const std::string& path);
  // The File menu's recent documents (nullptr before InitInstance).
  RecentDocumentCommands* RecentDocuments() const { return recentDocuments_.get(); }
  // The document's file may have changed on disk: see DocumentCommands::CheckFileOnDisk.
  // While a question, dialog or command is under way the check waits until it is over.
  void CheckDocumentOnDisk();
  // The document was opened read-only (another program holds its lock).
  bool DocumentReadOnly() const;
  // The desktop session ends: see DocumentCommands::EndSession.
  bool EndSession(const std::function<bool()>& mayAsk);
  // The writer of the recovery copies (nullptr before InitInstance).
  RecoveryWriter* Recovery() const { return recovery_.get(); }
  // Which program entries of the open document run without a question (nullptr before
  // InitInstance).
  ProgramPermissions* Permissions() const { return permissions_.get(); }

  // The response table; the operations of other windows may add the application's commands.
  CommandTable& Commands() { return commands_; }
  bool HandlesCommand(int id) const override { return commands_.HandlesCommand(id); }
  void DoCommand(int id) override { commands_.DoCommand(id); }
  std::optional<bool> Enabled(int id) const override { return commands_.Enabled(id); }
  std::optional<bool> Checked(int id) const override { return commands_.Checked(id); }

  // The user's settings, read at start-up; a command that changes one writes it to the store.
  ZeltoSettings settings;

  // ---- the document ----
  Document doc;                 // tabs, modified, oldFormat, cutPending
  FileDialogData fileData;      // the document's file dialog; its fileName names the document
  FileDialogData textFileData;  // the text export's file dialog; keeps the last export name
  // The Markdown, HTML and JSON exports' file dialogs, in the order of ExportFormat.
  std::array<FileDialogData, 3> exportFileData;
  bool switchingDocument = false;  // the next close query leaves the window position alone
  bool helpUsed = false;           // the last help request was shown

  // ---- what the command groups keep between commands ----
  PrintState print;
  SearchState search;
  PopupTargets popup;
  QFont screenFont;  // made from ScreenFont and ScreenFontSize

  // Brings the frame's title up to date with the document's file name and its unsaved
  // changes; runs whenever the program waits for input.
  void ShowDocumentInTitle();

 private:
  void InitMainWindow();
  void AddCommands();
  // The frame's state and normal place now.
  WindowState FrameState() const;

  // DocumentShell
  std::optional<std::string> AskSaveFileName(const FileDialogData& data) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  void DocumentLoaded() override;
  SaveChangesAnswer AskSaveChanges() override;
  std::optional<std::string> AskOpenFileName(const FileDialogData& data) override;
  bool WindowsMayClose() override;
  bool ClientMayClose() override;
  void ClearEntryDetail() override;
  void StoreWindowPosition() override;
  void DocumentSaved() override;
  void DocumentOpened() override;
  OutsideChangeAnswer AskOutsideChange(const std::string& fileName, bool maySaveOver) override;
  LockedDocumentAnswer AskLockedDocument(const std::string& fileName,
                                         const std::string& holder) override;
  void ShowStatus(const std::string& text) override;
  void KeepPlace() override;
  void ReturnToPlace() override;
  // Sets up the watch of the document's file on disk.
  void WatchDocumentFile();
  // Watches the file the document is bound to now, when that is another one.
  void FollowDocumentFile();

  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<FileStore> files_;
  std::function<void(bool)> fileTypeRegistration_;
  CommandTable commands_;
  std::string recoveryFolder_;
  std::unique_ptr<RecoveryWriter> recovery_;  // before the commands, which use it
  std::unique_ptr<DocumentLocks> locks_;      // before the commands, which hold a lock
  std::unique_ptr<ProgramPermissions> permissions_;
  std::unique_ptr<DocumentCommands> documentCommands_;
  std::unique_ptr<RecentDocumentCommands> recentDocuments_;
  // The default file that this run started with and that did not exist yet: the user never
  // chose it, so the first save to it says where it went. Empty once said.
  std::string unchosenDefaultFile_;
  DocumentWatcher* watcher_ = nullptr;  // owned by the frame
  std::string watchedFile_;
  QTimer diskCheckAgain_;  // a check that had to wait is tried again
  bool checkingDisk_ = false;
  PlaceByName keptPlace_;  // where the windows stood before a reload
  int keptScroll_ = 0;
  // Last, so that the windows go first: they may still ask the application on their way out.
  std::unique_ptr<TSDIDecFrame> frame_;
};

}  // namespace zelto
