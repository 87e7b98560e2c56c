#include "platform/InstalledData.h"

#include <QCoreApplication>
#include <QDir>

#include "ProgramInfo.h"

namespace zelto {

QString InstalledDataFolder(const QString& programDir) {
  return QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(ZELTO_DATA_FROM_PROGRAM)));
}

QString InstalledDataFolder() {
  return InstalledDataFolder(QCoreApplication::applicationDirPath());
}

QString InstalledProgramDataFolder() {
  return QDir(InstalledDataFolder()).filePath(QStringLiteral(ZELTO_DATA_SUBFOLDER));
}

QStringList SystemDataFolders() {
  const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
  if (dirs.trimmed().isEmpty())
    return {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
  QStringList folders;
  for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
    if (QDir::isAbsolutePath(dir)) folders << QDir::cleanPath(dir);
  return folders;
}

}  // namespace zelto
