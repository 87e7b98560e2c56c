#include "platform/FileTypeRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "ProgramInfo.h"
#include "platform/InstalledData.h"

namespace zelto {

namespace {

const QString DesktopId = QStringLiteral(ZELTO_DESKTOP_ID);
const QString MimePackage = QStringLiteral("mime/packages/") + DesktopId + QStringLiteral(".xml");
const QString DesktopEntry =
    QStringLiteral("applications/") + DesktopId + QStringLiteral(".desktop");
const QString IconFile =
    QStringLiteral("icons/hicolor/scalable/apps/") + DesktopId + QStringLiteral(".svg");
const QStringList RegistrationPaths = {MimePackage, DesktopEntry, IconFile};

// The files that versions before the desktop id wrote, each known by a text it holds, so that
// a file of the same name from elsewhere is left alone.
struct FormerFile {
  const char* relativePath;
  const char* marker;
};
constexpr FormerFile FormerFiles[] = {
    {"applications/zelto.desktop", "MimeType=application/x-zelto;"},
    {"mime/packages/zelto.xml", "\"application/x-zelto\""},
    {"icons/hicolor/scalable/apps/zelto.svg", "Brindamor"},
};

QByteArray ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool SameContent(const QString& path, const QByteArray& content) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.size() == content.size() && file.readAll() == content;
}

bool WriteWhole(const QString& path, const QByteArray& content) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(content) != content.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool ExistsOrDangles(const QString& path) {
  return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// The installed desktop entry with its Exec line starting `program`.
QByteArray DesktopEntryFor(const QString& program) {
  const QByteArray installed =
      ReadResource(QStringLiteral(":/desktop/") + DesktopId + QStringLiteral(".desktop"));
  QList<QByteArray> lines = installed.split('\n');
  for (QByteArray& line : lines)
    if (line.startsWith("Exec=")) line = "Exec=" + DesktopExecLine(program).toUtf8();
  return lines.join('\n');
}

}  // namespace

QString DesktopExecLine(const QString& program) {
  // The characters that make a quoted argument necessary.
  static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
  const bool quote =
      std::any_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); });
  // Inside double quotes the characters " ` $ \ need a backslash; a literal % is %%.
  QString argument = quote ? QStringLiteral("\"") : QString();
  for (QChar c : program) {
    if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) argument += u'\\';
    if (c == u'%') argument += u'%';
    argument += c;
  }
  if (quote) argument += u'"';
  argument += QStringLiteral(" %f");
  // The value itself is a string of the desktop entry format, which escapes these again.
  QString value;
  for (QChar c : argument) {
    if (c == u'\\')
      value += QStringLiteral("\\\\");
    else if (c == u'\n')
      value += QStringLiteral("\\n");
    else if (c == u'\t')
      value += QStringLiteral("\\t");
    else if (c == u'\r')
      value += QStringLiteral("\\r");
    else
      value += c;
  }
  return value;
}

QByteArray ProgramIconSvg() {
  return ReadResource(QStringLiteral(":/icons/") + DesktopId + QStringLiteral(".svg"));
}

FileTypeRegistration::FileTypeRegistration(QString program, QString dataHome)
    : program_(std::move(program)), dataHome_(std::move(dataHome)), runTool_(&RunToolIfPresent) {}

QString FileTypeRegistration::DefaultDataHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

void FileTypeRegistration::RunToolIfPresent(const QString& tool, const QStringList& args) {
  const QString path = QStandardPaths::findExecutable(tool);
  if (path.isEmpty()) return;
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.start(path, args);
  if (process.waitForStarted() && !process.waitForFinished(10000)) {
    process.kill();
    process.waitForFinished(1000);
  }
}

std::vector<RegistrationFile> FileTypeRegistration::Files() const {
  return {{MimePackage,
           ReadResource(QStringLiteral(":/desktop/") + DesktopId + QStringLiteral(".xml"))},
          {DesktopEntry, DesktopEntryFor(program_)},
          {IconFile, ProgramIconSvg()}};
}

bool FileTypeRegistration::InstalledForDesktop(const QString& dataFolder,
                                               const QStringList& systemDataFolders) {
  const QString installed = QFileInfo(dataFolder).canonicalFilePath();
  if (installed.isEmpty()) return false;
  const bool seen = std::any_of(systemDataFolders.begin(), systemDataFolders.end(),
                                [&installed](const QString& folder) {
                                  return QFileInfo(folder).canonicalFilePath() == installed;
                                });
  if (!seen) return false;
  const QDir data(installed);
  return std::all_of(
      RegistrationPaths.begin(), RegistrationPaths.end(),
      [&data](const QString& path) { return QFileInfo::exists(data.filePath(path)); });
}

RegistrationStatus FileTypeRegistration::Register() {
  if (dataHome_.isEmpty()) return RegistrationStatus::Failed;
  bool changed = false;
  bool failed = false;
  for (const QString& path : FormerFilesPresent()) (QFile::remove(path) ? changed : failed) = true;
  for (const RegistrationFile& file : Files()) {
    const QString path = QDir(dataHome_).filePath(file.relativePath);
    if (file.content.isEmpty()) {
      failed = true;  // not built into the program: nothing sound to write
      continue;
    }
    if (SameContent(path, file.content)) continue;
    if (WriteWhole(path, file.content)) {
      changed = true;
    } else {
      failed = true;
    }
  }
  if (changed) RefreshDesktop();
  if (failed) return RegistrationStatus::Failed;
  return changed ? RegistrationStatus::Written : RegistrationStatus::Unchanged;
}

RegistrationStatus FileTypeRegistration::Unregister() {
  if (dataHome_.isEmpty()) return RegistrationStatus::Failed;
  QStringList paths = FormerFilesPresent();
  for (const RegistrationFile& file : Files()) {
    const QString path = QDir(dataHome_).filePath(file.relativePath);
    if (ExistsOrDangles(path)) paths << path;
  }
  return Remove(paths);
}

RegistrationStatus FileTypeRegistration::RemoveFormerFiles() {
  if (dataHome_.isEmpty()) return RegistrationStatus::Failed;
  return Remove(FormerFilesPresent());
}

RegistrationStatus FileTypeRegistration::Remove(const QStringList& paths) {
  bool removed = false;
  bool failed = false;
  for (const QString& path : paths) (QFile::remove(path) ? removed : failed) = true;
  if (removed) RefreshDesktop();
  if (failed) return RegistrationStatus::Failed;
  return removed ? RegistrationStatus::Removed : RegistrationStatus::Absent;
}

QStringList FileTypeRegistration::FormerFilesPresent() const {
  QStringList present;
  for (const FormerFile& former : FormerFiles) {
    const QString path = QDir(dataHome_).filePath(QString::fromLatin1(former.relativePath));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains(former.marker)) present << path;
  }
  return present;
}

void FileTypeRegistration::RefreshDesktop() {
  QDir data(dataHome_);
  runTool_(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
  runTool_(QStringLiteral("update-desktop-database"),
           {data.filePath(QStringLiteral("applications"))});
}

#ifdef Q_OS_WIN

// The keys under HKEY_CLASSES_ROOT; each value is the key's default value.
RegistrationStatus RegisterFileType(const QString& program) {
  QSettings classes(QStringLiteral("HKEY_CLASSES_ROOT"), QSettings::NativeFormat);
  const QString path = QDir::toNativeSeparators(program);
  classes.setValue(QStringLiteral("Zelto.Application/DefaultIcon/Default"), path);
  classes.setValue(QStringLiteral("Zelto.Document.1/DefaultIcon/Default"), path + ",1");
  classes.setValue(QStringLiteral(".zlt/Default"), QStringLiteral("Zelto.Document.1"));
  classes.sync();
  return classes.status() == QSettings::NoError ? RegistrationStatus::Written
                                                : RegistrationStatus::Failed;
}

RegistrationStatus UnregisterFileType(const QString&) {
  QSettings classes(QStringLiteral("HKEY_CLASSES_ROOT"), QSettings::NativeFormat);
  for (const char* key : {"Zelto.Application/DefaultIcon", "Zelto.Document.1/DefaultIcon",
                          "Zelto.Application", "Zelto.Document.1", ".zlt"}) {
    classes.remove(QString::fromLatin1(key));
  }
  classes.sync();
  return classes.status() == QSettings::NoError ? RegistrationStatus::Removed
                                                : RegistrationStatus::Failed;
}

#else

RegistrationStatus RegisterFileType(const QString& program) {
  FileTypeRegistration registration(program, FileTypeRegistration::DefaultDataHome());
  const QString installation = InstalledDataFolder(QFileInfo(program).absolutePath());
  if (FileTypeRegistration::InstalledForDesktop(installation, SystemDataFolders()))
    return registration.RemoveFormerFiles();
  return registration.Register();
}

RegistrationStatus UnregisterFileType(const QString& program) {
  return FileTypeRegistration(program, FileTypeRegistration::DefaultDataHome()).Unregister();
}

#endif

}  // namespace zelto
