#include "platform/QtFileStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QString>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace zelto {

namespace {

QString ToQString(const std::string& path) {
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string Reason(const QFileDevice& file) { return file.errorString().toStdString(); }

// Reads straight into the caller's buffer, without a buffer of the file's own.
class QtFileReader : public FileReader {
 public:
  explicit QtFileReader(const std::string& path) : file_(ToQString(path)) {}
  bool Open() {
    return !QFileInfo(file_).isDir() && file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
  }
  std::ptrdiff_t Read(char* into, std::size_t max) override {
    const qint64 got = file_.read(into, static_cast<qint64>(max));
    return got < 0 ? -1 : static_cast<std::ptrdiff_t>(got);
  }
  std::uint64_t Size() const override {
    return static_cast<std::uint64_t>(std::max<qint64>(file_.size(), 0));
  }

 private:
  QFile file_;
};

// Hands the bytes to the file being saved; keeps the first failure's reason.
class SaveFileSink : public ByteSink {
 public:
  explicit SaveFileSink(QSaveFile& file) : file_(file) {}
  bool Write(std::string_view bytes) override {
    while (!failed_ && !bytes.empty()) {
      const qint64 written = file_.write(bytes.data(), static_cast<qint64>(bytes.size()));
      if (written <= 0) {
        failed_ = true;
        reason_ = Reason(file_);
        if (reason_.empty()) reason_ = "Write error";
      } else {
        bytes.remove_prefix(static_cast<std::size_t>(written));
      }
    }
    return !failed_;
  }
  bool Failed() const { return failed_; }
  const std::string& FailureReason() const { return reason_; }

 private:
  QSaveFile& file_;
  bool failed_ = false;
  std::string reason_;
};

// The new file takes over the owner and group of the file it replaces (its mode it has
// already), as far as the user may give them away: the group alone when not the owner.
void KeepOwner(const std::string& path, const QFileDevice& replacement) {
#ifdef Q_OS_UNIX
  struct stat old {};
  if (::stat(QFile::encodeName(ToQString(path)).constData(), &old) != 0) return;
  const int fd = replacement.handle();
  if (fd < 0 || ::fchown(fd, old.st_uid, old.st_gid) == 0) return;
  (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
#else
  (void)path;
  (void)replacement;
#endif
}

}  // namespace

std::optional<std::string> QtFileStore::ReadAll(const std::string& path) {
  QFile file(ToQString(path));
  if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::string content;
  // Read straight into the result; a file that grows or has no size is read on to its end.
  const qint64 expected = file.size();
  if (expected > 0) {
    content.resize(static_cast<std::size_t>(expected));
    const qint64 got = file.read(content.data(), expected);
    if (got < 0) return std::nullopt;
    content.resize(static_cast<std::size_t>(got));
  }
  char buffer[65536];
  for (qint64 got; (got = file.read(buffer, sizeof buffer)) > 0;)
    content.append(buffer, static_cast<std::size_t>(got));
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return content;
}

bool QtFileStore::Exists(const std::string& path) { return QFileInfo::exists(ToQString(path)); }

bool QtFileStore::Remove(const std::string& path) { return QFile::remove(ToQString(path)); }

bool QtFileStore::Rename(const std::string& from, const std::string& to) {
  return QFile::rename(ToQString(from), ToQString(to));
}

std::unique_ptr<FileReader> QtFileStore::OpenForReading(const std::string& path) {
  auto reader = std::make_unique<QtFileReader>(path);
  if (!reader->Open()) return nullptr;
  return reader;
}

std::string QtFileStore::WriteAtomic(const std::string& path, std::string_view data,
                                     const std::function<void()>& beforeReplace) {
  return Write(
      path, [data](ByteSink& sink) { sink.Write(data); }, beforeReplace, false);
}

std::string QtFileStore::WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                           const std::function<void()>& beforeReplace) {
  return Write(path, content, beforeReplace, false);
}

std::string QtFileStore::WritePrivate(const std::string& path, std::string_view data) {
  return Write(
      path, [data](ByteSink& sink) { sink.Write(data); }, {}, true);
}

std::string QtFileStore::Write(const std::string& path, const ContentWriter& content,
                               const std::function<void()>& beforeReplace, bool ownerOnly) {
  QSaveFile file(ToQString(path));
  if (!file.open(QIODevice::WriteOnly)) return Reason(file);
  // The mode is set before anything is written, so the file is never readable by others.
  if (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    const std::string reason = Reason(file);
    file.cancelWriting();
    return reason.empty() ? "The file could not be made private" : reason;
  }
  KeepOwner(path, file);
  SaveFileSink sink(file);
  content(sink);
  if (sink.Failed()) {
    file.cancelWriting();
    return sink.FailureReason();
  }
  if (!file.flush()) {
    std::string reason = Reason(file);
    file.cancelWriting();
    return reason;
  }
  if (beforeReplace) beforeReplace();
  // Flushes the temporary file to disk and renames it over the target.
  if (!file.commit()) {
    const std::string reason = Reason(file);
    return reason.empty() ? "The file could not be replaced" : reason;
  }
  return {};
}

std::string QtFileStore::BackUp(const std::string& path, const std::string& backup) {
#ifdef Q_OS_UNIX
  // A fresh name beside the backup, linked to the file and then renamed over the backup:
  // both steps leave every name whole.
  const QByteArray from = QFile::encodeName(ToQString(path));
  const QByteArray to = QFile::encodeName(ToQString(backup));
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QByteArray linked =
        to + ".new-" + QByteArray::number(QRandomGenerator::global()->generate());
    if (::link(from.constData(), linked.constData()) == 0) {
      if (::rename(linked.constData(), to.constData()) == 0) return {};
      ::unlink(linked.constData());
      break;
    }
    if (errno != EEXIST) break;
  }
#endif
  return FileStore::BackUp(path, backup);
}

std::optional<std::string> QtFileStore::LinkTarget(const std::string& path) {
  const QFileInfo info(ToQString(path));
  if (!info.isSymLink()) return std::nullopt;
  return info.symLinkTarget().toStdString();
}

std::string QtFileStore::AbsolutePath(const std::string& path) {
  return QFileInfo(ToQString(path)).absoluteFilePath().toStdString();
}

std::optional<std::int64_t> QtFileStore::ModifiedTime(const std::string& path) {
  const QFileInfo info(ToQString(path));
  if (!info.exists()) return std::nullopt;
  return info.lastModified().toMSecsSinceEpoch();
}

std::vector<std::string> QtFileStore::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  const QDir dir(ToQString(folder));
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
    names.push_back(name.toStdString());
  return names;
}

std::string QtFileStore::MakePrivateFolder(const std::string& folder) {
  const QString path = ToQString(folder);
  if (!QDir().mkpath(path)) return "The folder " + folder + " could not be created";
  if (!QFile::setPermissions(
          path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
    return "The folder " + folder + " could not be made private";
  return {};
}

std::optional<FileIdentity> QtFileStore::Identify(const std::string& path) {
#ifdef Q_OS_UNIX
  struct stat st {};
  if (::stat(QFile::encodeName(ToQString(path)).constData(), &st) != 0) return std::nullopt;
  FileIdentity identity;
  identity.device = static_cast<std::uint64_t>(st.st_dev);
  identity.inode = static_cast<std::uint64_t>(st.st_ino);
  identity.size = static_cast<std::int64_t>(st.st_size);
  identity.modifiedNs =
      static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return identity;
#else
  const QFileInfo info(ToQString(path));
  if (!info.exists()) return std::nullopt;
  FileIdentity identity;
  identity.size = info.size();
  identity.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
  return identity;
#endif
}

}  // namespace zelto
