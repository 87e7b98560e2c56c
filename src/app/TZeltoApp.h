#pragma once
// The application object: creates the frame and every window, owns the document, the
// settings and what the command groups keep between commands, and hands each group only
// the parts it works on. It handles the document and help commands itself and answers the
// close query.
#include <QFont>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentCommands.h"
#include "app/DocumentShell.h"
#include "app/PrintCommands.h"
#include "app/WindowPlacement.h"
#include "common/CommandTable.h"
#include "common/CommandTarget.h"
#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "mainwin/ActionCommands.h"
#include "mainwin/Search.h"
#include "model/Document.h"
#include "model/DocumentFile.h"

namespace zelto {

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
  std::string notePadDefault;  // the NotePad setting when none is stored
  std::string recoveryFolder;  // where the recovery copies of unsaved changes are kept

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
  void CmHelpContents();
  void CmHelpUsing();
  void CmHelpAbout();
  // Whether the program may close: offers to save unsaved changes, stores the window
  // position. Also run by Open before another document replaces this one.
  bool CloseQuery() override;
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
  Document doc;                    // tabs, modified, oldFormat, cutPending
  FileDialogData fileData;         // the document's file dialog; its fileName names the document
  FileDialogData textFileData;     // the text export's file dialog; keeps the last export name
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

  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<FileStore> files_;
  std::function<void(bool)> fileTypeRegistration_;
  CommandTable commands_;
  std::string recoveryFolder_;
  std::unique_ptr<RecoveryWriter> recovery_;  // before the commands, which use it
  std::unique_ptr<ProgramPermissions> permissions_;
  std::unique_ptr<DocumentCommands> documentCommands_;
  // The default file that this run started with and that did not exist yet: the user never
  // chose it, so the first save to it says where it went. Empty once said.
  std::string unchosenDefaultFile_;
  // Last, so that the windows go first: they may still ask the application on their way out.
  std::unique_ptr<TSDIDecFrame> frame_;
};

}  // namespace zelto
