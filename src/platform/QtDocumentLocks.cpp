#include "platform/QtDocumentLocks.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include "model/LinkResolution.h"

namespace zelto {

namespace {

class HeldLock : public DocumentLock {
 public:
  explicit HeldLock(std::string path)
      : path_(std::move(path)), file_(QString::fromStdString(path_)) {
    // Only a lock whose process is gone is stale, however long it has been held.
    file_.setStaleLockTime(0);
  }
  const std::string& Path() const override { return path_; }
  QLockFile& File() { return file_; }

 private:
  std::string path_;
  QLockFile file_;
};

// Who holds the lock in `file`, as the lock file says.
std::string HolderOf(const QLockFile& file, const QString& lockPath, bool& onThisMachine) {
  qint64 pid = 0;
  QString host;
  QString program;
  onThisMachine = false;
  if (!file.getLockInfo(&pid, &host, &program)) return "an unknown program";
  onThisMachine = host.isEmpty() || host == QSysInfo::machineHostName();
  const QFileInfo info(lockPath);
  QString text = QStringLiteral("process %1").arg(pid);
  if (!info.owner().isEmpty()) text += QStringLiteral(" of user %1").arg(info.owner());
  text += onThisMachine ? QStringLiteral(" on this computer")
                        : QStringLiteral(" on the computer %1").arg(host);
  const QDateTime since = info.lastModified();
  if (since.isValid())
    text += QStringLiteral(", since %1").arg(since.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
  return text.toStdString();
}

}  // namespace

std::string QtDocumentLocks::LockFileOf(const std::string& path) {
  return LockFileName(DocumentIdentity(files_, path));
}

LockAttempt QtDocumentLocks::Lock(const std::string& path) {
  LockAttempt attempt;
  auto lock = std::make_unique<HeldLock>(LockFileOf(path));
  if (lock->File().tryLock(0)) {
    attempt.lock = std::move(lock);
    return attempt;
  }
  if (lock->File().error() == QLockFile::LockFailedError)
    attempt.holder =
        HolderOf(lock->File(), QString::fromStdString(lock->Path()), attempt.holderOnThisMachine);
  return attempt;
}

}  // namespace zelto
