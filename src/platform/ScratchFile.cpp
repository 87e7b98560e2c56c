#include "platform/ScratchFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace zelto {

QString PrivateScratchFolder() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (base.isEmpty()) base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  return base + QStringLiteral("/Zelto");
}

ScratchFile WriteScratchFile(std::string_view bytes, const QString& folder) {
  ScratchFile result;
  result.path = QDir(folder).absoluteFilePath(QString::fromLatin1(ScratchFileName));
  constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, ownerOnly | QFileDevice::ExeOwner)) {
    result.error = QStringLiteral("The folder %1 could not be made private.")
                       .arg(QDir::toNativeSeparators(folder));
    return result;
  }
  QFile::remove(result.path);
  // NewOnly fails on anything that is there, a link included, instead of following it.
  QFile file(result.path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.flush())
    result.error = file.errorString();
  return result;
}

}  // namespace zelto
