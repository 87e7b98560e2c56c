// Start-up of the application object: the frame with its stored position, the command
// line, the file-type registration and the first document; and the position kept at exit.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>

#include "app/CommandLine.h"
#include "app/DroppedFiles.h"
#include "app/MenuTable.h"
#include "app/PrintCommands.h"
#include "app/RecoveryWriter.h"
#include "app/SessionEnd.h"
#include "app/TSDIDecFrame.h"
#include "app/TZeltoApp.h"
#include "common/ProgramConfirmation.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/EditingCommands.h"
#include "mainwin/MainWindowCommands.h"
#include "mainwin/ScreenLook.h"
#include "mainwin/TZeltoWindow.h"
#include "model/LinkResolution.h"
#include "platform/FileTypeRegistration.h"
#include "platform/NotePadDefault.h"
#include "platform/QtDocumentLocks.h"
#include "platform/QtFileStore.h"
#include "platform/QtSettingsStore.h"
#include "view/TCatWindow.h"

namespace zelto {
namespace {

// The place of a first start, when no position is stored: two thirds of the screen, in its
// middle (the window keeps at least its minimum size).
QRect FirstStartGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return QRect(0, 0, 800, 560);
  const QRect free = screen->availableGeometry();
  const WindowRect r = FirstStartRect(WindowRect{free.x(), free.y(), free.width(), free.height()});
  return QRect(r.x, r.y, r.w, r.h);
}

bool IsExistingFile(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).isFile();
}

}  // namespace

TZeltoAppServices TZeltoAppServices::Platform() {
  TZeltoAppServices s;
  s.settings = std::make_unique<QtSettingsStore>();
  s.files = std::make_unique<QtFileStore>();
  s.fileTypeRegistration = [](bool remove) {
    const QString program = QCoreApplication::applicationFilePath();
    // A start goes on whatever the desktop makes of the registration.
    if (remove)
      UnregisterFileType(program);
    else
      RegisterFileType(program);
  };
  s.notePadDefault = DefaultNotePad();
  s.recoveryFolder =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
      "/Zelto/recovery";
  s.locks = std::make_unique<QtDocumentLocks>();
  return s;
}

void TZeltoApp::InitInstance(const std::vector<std::string>& args) {
  InitMainWindow();
  switchingDocument = false;

  const CommandLineAction action = ParseCommandLine(args, IsExistingFile);
  if (fileTypeRegistration_) fileTypeRegistration_(action.unregister);
  // The document named on the command line is opened instead of the default file for this
  // run only; the stored DefaultFile stays.
  if (!action.documentName.empty()) settings.DefaultFile = action.documentName;

  const LoadResult loaded =
      documentCommands_->OpenAtStart(settings.DefaultFile, !action.documentName.empty());
  if (action.documentName.empty() && loaded == LoadResult::NewDocument)
    unchosenDefaultFile_ = fileData.fileName;
  ShowDocumentInTitle();
}

int TZeltoApp::Run(const std::vector<std::string>& args) {
  InitInstance(args);
  return QApplication::exec();
}

void TZeltoApp::InitMainWindow() {
  // What the user allowed to run is remembered in the settings, one value per document and
  // command.
  permissions_ = std::make_unique<ProgramPermissions>(
      ProgramPermissions::Memory{[this](const std::string& key) {
                                   store_->OpenSettingsKey();
                                   const bool allowed = store_->ReadDword(key, 0) != 0;
                                   store_->CloseSettingsKey();
                                   return allowed;
                                 },
                                 [this](const std::string& key) {
                                   store_->OpenSettingsKey();
                                   store_->WriteDword(key, 1);
                                   store_->CloseSettingsKey();
                                 }},
      [this] {
        return fileData.fileName.empty() ? std::string()
                                         : DocumentIdentity(*files_, fileData.fileName);
      });
  frame_ = std::make_unique<TSDIDecFrame>(this, doc);
  frame_->Client()->SetLook(LookOf(settings));
  frame_->Client()->History().SetLimit(static_cast<int>(settings.UndoSteps));
  const MainWindowSession session{doc,   settings,           *store_,    screenFont, search,
                                  popup, permissions_.get(), CommandHint};
  new MainWindowCommands(session, *frame_->Client());  // owned by the main window
  recovery_ = std::make_unique<RecoveryWriter>(doc, fileData.fileName, *files_, recoveryFolder_,
                                               settings.AutoSaveSeconds);
  QObject::connect(
      recovery_.get(), &RecoveryWriter::CopyFinished, frame_.get(), [this](const QString& reason) {
        // Not worth a window of its own, but the user is told.
        if (!reason.isEmpty())
          frame_->statusBar()->showMessage(
              QStringLiteral("Unsaved changes could not be copied for recovery: ") + reason);
      });
  // Undone back to the file, the document has no unsaved changes left to recover.
  QObject::connect(&frame_->Client()->History(), &DocumentHistory::BackAtSavedState,
                   recovery_.get(), [this] {
                     if (!fileData.fileName.empty()) recovery_->DiscardCopy(fileData.fileName);
                   });
  documentCommands_ = std::make_unique<DocumentCommands>(
      DocumentSession{doc, *CatList(), fileData, textFileData, settings.DefaultCat,
                      switchingDocument},
      static_cast<DocumentShell&>(*this), *files_, recovery_.get(), locks_.get());
  WatchDocumentFile();
  recentDocuments_ = std::make_unique<RecentDocumentCommands>(
      *store_, *files_, settings.RecentFiles,
      [this](const std::vector<std::string>& paths) { frame_->ShowRecentDocuments(paths); },
      [this](const std::string& path) { return OpenDocumentFile(path); });
  recentDocuments_->Register(commands_);
  frame_->SetFileDropHandler([this](const std::vector<std::string>& paths) {
    const DroppedFilesDecision decision = DecideDroppedFiles(paths);
    if (decision.open)
      OpenDocumentFile(*decision.open);
    else if (!decision.refusal.empty())
      ShowMessage(decision.refusal);
  });
  ConnectSessionEnd(frame_.get(),
                    [this](const std::function<bool()>& mayAsk) { return EndSession(mayAsk); });
  InstallEditingCommands(
      *frame_->Client(), doc, settings,
      [this] {
        return NoteDialogSettings{settings.EditFont != 0, screenFont, settings.DateFormat};
      },
      permissions_.get());

  const PrintSession printing{doc, settings, print, fileData, commands_};
  new PrintCommands(printing, *frame_);  // owned by the frame
  // The title follows the document whenever the program waits for input, so every change,
  // by any command, key or dialog, shows there.
  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, frame_.get(),
                     [this] { ShowDocumentInTitle(); });

  const StoredPlacement placement = ReadWindowPlacement(*store_);
  if (placement.hasPosition)
    frame_->setGeometry(placement.rect.x, placement.rect.y, placement.rect.w, placement.rect.h);
  else
    frame_->setGeometry(FirstStartGeometry());
  // The program has no start-up show command of its own: it starts shown.
  if (ChooseShow(StartShow::Normal, placement.state) == ShowAs::Maximized)
    frame_->showMaximized();
  else
    frame_->show();
}

WindowState TZeltoApp::FrameState() const {
  // A window minimized from the maximized state counts as minimized.
  if (frame_->isMinimized()) return WindowState::Minimized;
  if (frame_->isMaximized()) return WindowState::Maximized;
  return WindowState::Normal;
}

void TZeltoApp::StoreWindowPosition() {
  if (!frame_) return;
  const QRect normal = frame_->normalGeometry();
  StoreWindowPlacement(*store_, FrameState(),
                       WindowRect{normal.x(), normal.y(), normal.width(), normal.height()});
}

}  // namespace zelto
