#include "platform/QtFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace zelto {

namespace {

QString ToQString(const std::string& path) {
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string Reason(const QFileDevice& file) { return file.errorString().toStdString(); }

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

std::string QtFileStore::WriteAtomic(const std::string& path, std::string_view data,
                                     const std::function<void()>& beforeReplace) {
  QSaveFile file(ToQString(path));
  if (!file.open(QIODevice::WriteOnly)) return Reason(file);
  qint64 done = 0;
  const auto total = static_cast<qint64>(data.size());
  while (done < total) {
    const qint64 written = file.write(data.data() + done, total - done);
    if (written <= 0) {
      const std::string reason = Reason(file);
      file.cancelWriting();
      return reason.empty() ? "Write error" : reason;
    }
    done += written;
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

}  // namespace zelto
