#include "app/TZeltoApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>

#include "app/RecoveryWriter.h"
#include "app/TSDIDecFrame.h"
#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "common/ProgramConfirmation.h"
#include "dialogs/TZeltoAboutDlg.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/Cp1252.h"
#include "platform/HelpWindow.h"
#include "platform/ModalDialog.h"
#include "platform/Prompter.h"
#include "platform/ScreenFont.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto {

TZeltoApp::TZeltoApp(TZeltoAppServices services)
    : store_(std::move(services.settings)),
      files_(std::move(services.files)),
      fileTypeRegistration_(std::move(services.fileTypeRegistration)),
      recoveryFolder_(std::move(services.recoveryFolder)),
      locks_(std::move(services.locks)) {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::setApplicationName("Zelto");
  // Every text comparison of the program already ignores letter case (CompareText), and
  // the application name is ApplicationName; what is left is the settings.
  settings.ReadSettings(*store_, services.notePadDefault);
  helpUsed = false;
  doc.modified = false;
  doc.cutPending = false;
  screenFont = ScreenFontOf(settings);
  search.searchNote = -1;
  AddCommands();
}

TZeltoApp::~TZeltoApp() { frame_.reset(); }

TZeltoWindow* TZeltoApp::MainWindow() const { return frame_ ? frame_->Client() : nullptr; }

TCatWindow* TZeltoApp::CatList() const { return frame_ ? frame_->Client()->CatList() : nullptr; }

void TZeltoApp::AddCommands() {
  commands_.Add(CM_FILENEW, [this] { CmFileNew(); });
  commands_.Add(CM_FILEOPEN, [this] { CmFileOpen(); });
  commands_.Add(CM_FILESAVE, [this] { CmFileSave(); });
  commands_.AddEnabler(CM_FILESAVE, [this] { return !DocumentReadOnly(); });
  commands_.Add(CM_FILESAVEAS, [this] { CmFileSaveAs(); });
  commands_.Add(CM_SAVEASTEXT, [this] { CmSaveAsText(); });
  commands_.Add(CM_SAVEASMARKDOWN, [this] { CmSaveExportAs(ExportFormat::Markdown); });
  commands_.Add(CM_SAVEASHTML, [this] { CmSaveExportAs(ExportFormat::Html); });
  commands_.Add(CM_SAVEASJSON, [this] { CmSaveExportAs(ExportFormat::Json); });
  commands_.Add(CM_HELPCONTENTS, [this] { CmHelpContents(); });
  commands_.Add(CM_HELPUSING, [this] { CmHelpUsing(); });
  commands_.Add(CM_HELPABOUT, [this] { CmHelpAbout(); });
}

// ---- commands ----

void TZeltoApp::CmFileNew() {
  if (documentCommands_) documentCommands_->New();
}

void TZeltoApp::CmFileOpen() {
  if (documentCommands_) documentCommands_->Open();
}

void TZeltoApp::CmFileSave() {
  if (!documentCommands_) return;
  const bool toUnchosenFile =
      !unchosenDefaultFile_.empty() && fileData.fileName == unchosenDefaultFile_;
  if (documentCommands_->Save() != SaveResult::Saved || !toUnchosenFile) return;
  unchosenDefaultFile_.clear();
  if (frame_) {
    const QString path = QFileInfo(QFile::decodeName(QByteArray::fromStdString(fileData.fileName)))
                             .absoluteFilePath();
    frame_->statusBar()->showMessage(
        QStringLiteral("Saved to the default file %1 (Save As chooses another name)")
            .arg(QDir::toNativeSeparators(path)));
  }
  ShowDocumentInTitle();
}

void TZeltoApp::ShowDocumentInTitle() {
  if (!frame_) return;
  FollowDocumentFile();
  frame_->ShowDocument(DocumentReadOnly() ? fileData.fileName + " (read-only)" : fileData.fileName,
                       doc.modified);
}

void TZeltoApp::CmFileSaveAs() {
  if (documentCommands_) documentCommands_->SaveAs();
}

void TZeltoApp::CmSaveAsText() {
  if (documentCommands_) documentCommands_->SaveAsText();
}

void TZeltoApp::CmSaveExportAs(ExportFormat format) {
  if (documentCommands_)
    documentCommands_->SaveExportAs(format, exportFileData[static_cast<std::size_t>(format)]);
}

void TZeltoApp::CmHelpContents() { helpUsed = HelpWindow::ShowContents(frame_.get()); }

void TZeltoApp::CmHelpUsing() { helpUsed = HelpWindow::ShowHelpOnHelp(frame_.get()); }

void TZeltoApp::CmHelpAbout() {
  // The box shows the version block of the program file it runs from.
  TZeltoAboutDlg dialog(frame_.get());
  ModalDialog::Run(dialog);
}

bool TZeltoApp::CloseQuery() {
  // Without windows there is no document to lose.
  return documentCommands_ ? documentCommands_->CloseQuery() : true;
}

bool TZeltoApp::EndSession(const std::function<bool()>& mayAsk) {
  return documentCommands_ ? documentCommands_->EndSession(mayAsk) : true;
}

// ---- what the document commands ask of the windows ----

std::optional<std::string> TZeltoApp::AskSaveFileName(const FileDialogData& data) {
  FileDialogData chosen = data;
  if (!Prompter::SaveFileDialog(chosen)) return std::nullopt;
  return chosen.fileName;
}

std::optional<std::string> TZeltoApp::AskOpenFileName(const FileDialogData& data) {
  FileDialogData chosen = data;
  if (!Prompter::OpenFileDialog(chosen)) return std::nullopt;
  return chosen.fileName;
}

void TZeltoApp::ShowMessage(const std::string& text) {
  Prompter::Message(QString::fromStdString(text), QString());
}

bool TZeltoApp::AskYesNo(const std::string& text) {
  return Prompter::AskYesNo(QString::fromStdString(text), QString());
}

SaveChangesAnswer TZeltoApp::AskSaveChanges() {
  switch (Prompter::AskYesNoCancel(QStringLiteral("File has changed.  Save?"),
                                   QString::fromLatin1(ApplicationName))) {
    case Prompter::Answer::Yes:
      return SaveChangesAnswer::Yes;
    case Prompter::Answer::No:
      return SaveChangesAnswer::No;
    default:
      return SaveChangesAnswer::Cancel;
  }
}

void TZeltoApp::DocumentLoaded() {
  if (permissions_) permissions_->DocumentReplaced();
  TZeltoWindow* main = MainWindow();
  if (main == nullptr) return;
  // The note window shows the newly selected category from its first line.
  TNoteWindow* notes = main->NoteView();
  notes->SetCurrentLine(0);
  notes->ScrollTo(0);
  notes->Refresh();
  // Nothing of another document can be undone.
  main->History().Restart();
}

void TZeltoApp::DocumentSaved() {
  if (TZeltoWindow* main = MainWindow()) main->History().MarkSaved();
  if (permissions_) permissions_->DocumentSaved();
  if (recentDocuments_) recentDocuments_->Note(fileData.fileName);
}

void TZeltoApp::DocumentOpened() {
  if (recentDocuments_) recentDocuments_->Note(fileData.fileName);
}

OpenOutcome TZeltoApp::OpenDocumentFile(const std::string& path) {
  return documentCommands_ ? documentCommands_->OpenFile(path) : OpenOutcome::Kept;
}

bool TZeltoApp::WindowsMayClose() {
  const bool mayClose = MainWindow() == nullptr || MainWindow()->CanClose();
  if (mayClose && helpUsed) HelpWindow::Quit();
  return mayClose;
}

bool TZeltoApp::ClientMayClose() { return MainWindow() == nullptr || MainWindow()->CanClose(); }

void TZeltoApp::ClearEntryDetail() {
  if (TZeltoWindow* main = MainWindow()) main->EntryLine()->ShowText(QString());
}

}  // namespace zelto
