// The application object's part in sharing the document's file with other programs: the
// watch of the file on disk, the questions about a changed or locked file, and the windows
// keeping their place through a reload.
#include <QApplication>
#include <QStatusBar>
#include <QThread>

#include "app/DocumentSharing.h"
#include "app/TSDIDecFrame.h"
#include "app/TZeltoApp.h"
#include "common/ApplicationName.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/DocumentWatcher.h"
#include "platform/Prompter.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {

namespace {

// How long a check of the file on disk waits for a question or command to be over.
constexpr int DiskCheckRetryMilliseconds = 500;

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void TZeltoApp::WatchDocumentFile() {
  watcher_ = new DocumentWatcher(frame_.get());
  QObject::connect(watcher_, &DocumentWatcher::MayHaveChanged, frame_.get(),
                   [this] { CheckDocumentOnDisk(); });
  diskCheckAgain_.setSingleShot(true);
  diskCheckAgain_.setInterval(DiskCheckRetryMilliseconds);
  QObject::connect(&diskCheckAgain_, &QTimer::timeout, frame_.get(),
                   [this] { CheckDocumentOnDisk(); });
}

void TZeltoApp::FollowDocumentFile() {
  if (watcher_ == nullptr || fileData.fileName == watchedFile_) return;
  watchedFile_ = fileData.fileName;
  watcher_->Watch(watchedFile_);
}

void TZeltoApp::CheckDocumentOnDisk() {
  if (!documentCommands_) return;
  // A question, a dialog, a print run or another check is under way, in a loop of its own:
  // the document must not change beneath it. The check waits until it is over.
  if (checkingDisk_ || QThread::currentThread()->loopLevel() > 1 ||
      QApplication::activeModalWidget() != nullptr) {
    diskCheckAgain_.start();
    return;
  }
  checkingDisk_ = true;
  documentCommands_->CheckFileOnDisk();
  checkingDisk_ = false;
  ShowDocumentInTitle();
}

bool TZeltoApp::DocumentReadOnly() const {
  return documentCommands_ && documentCommands_->ReadOnly();
}

OutsideChangeAnswer TZeltoApp::AskOutsideChange(const std::string& fileName, bool maySaveOver) {
  QStringList choices{QStringLiteral("&Reload")};
  if (maySaveOver) choices << QStringLiteral("Save &Over It");
  choices << QStringLiteral("Save &As...") << QStringLiteral("Cancel");
  const int cancel = static_cast<int>(choices.size()) - 1;
  const int answer = Prompter::AskChoice(Text(OutsideChangeQuestion(fileName, maySaveOver)),
                                         QString::fromLatin1(ApplicationName), choices, cancel,
                                         cancel, Prompter::Icon::Warning);
  if (answer == 0) return OutsideChangeAnswer::Reload;
  if (answer == cancel) return OutsideChangeAnswer::Cancel;
  if (maySaveOver && answer == 1) return OutsideChangeAnswer::SaveOver;
  return OutsideChangeAnswer::SaveAs;
}

LockedDocumentAnswer TZeltoApp::AskLockedDocument(const std::string& fileName,
                                                  const std::string& holder) {
  const QStringList choices{QStringLiteral("Open &Read-Only"), QStringLiteral("Open A&nyway")};
  const int answer = Prompter::AskChoice(Text(LockedDocumentQuestion(fileName, holder)),
                                         QString::fromLatin1(ApplicationName), choices, 0, 0,
                                         Prompter::Icon::Warning);
  return answer == 1 ? LockedDocumentAnswer::OpenAnyway : LockedDocumentAnswer::ReadOnly;
}

void TZeltoApp::ShowStatus(const std::string& text) {
  if (frame_) frame_->statusBar()->showMessage(Text(text));
}

void TZeltoApp::KeepPlace() {
  TZeltoWindow* main = MainWindow();
  if (main == nullptr) return;
  TNoteWindow* notes = main->NoteView();
  keptPlace_ = RememberPlace(doc.tabs, *CatList(), notes->CurrentLine());
  keptScroll_ = notes->ScrollPos();
}

void TZeltoApp::ReturnToPlace() {
  TZeltoWindow* main = MainWindow();
  if (main == nullptr) return;
  const int line = zelto::ReturnToPlace(doc.tabs, keptPlace_, *CatList());
  TNoteWindow* notes = main->NoteView();
  notes->Refresh();
  notes->ScrollTo(std::min(keptScroll_, line));
  notes->SetCurrentLine(line);
  notes->Refresh();
}

}  // namespace zelto
