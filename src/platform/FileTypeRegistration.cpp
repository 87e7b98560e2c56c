#include "platform/FileTypeRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace zelto {

namespace {

const QString MimePackage = QStringLiteral("mime/packages/zelto.xml");
const QString DesktopEntry = QStringLiteral("applications/zelto.desktop");
const QString IconFile = QStringLiteral("icons/hicolor/scalable/apps/zelto.svg");

// Every document file begins with the stream mark 0x3A, the stream version 257 (01 01 00 00)
// and the signature "ZELTO" with its length (05 00 00 00).
const char* const MimeXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-zelto\">\n"
    "    <comment>Brindamor notes</comment>\n"
    "    <icon name=\"zelto\"/>\n"
    "    <glob pattern=\"*.zlt\"/>\n"
    "    <magic priority=\"80\">\n"
    "      <match type=\"string\" offset=\"0\" "
    "value=\"\\x3a\\x01\\x01\\x00\\x00\\x05\\x00\\x00\\x00ZELTO\"/>\n"
    "    </magic>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

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

}  // namespace

QString DesktopExecLine(const QString& program) {
  // Inside double quotes the characters " ` $ \ need a backslash; a literal % is %%.
  QString quoted = QStringLiteral("\"");
  for (QChar c : program) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
    if (c == u'%') quoted += u'%';
    quoted += c;
  }
  quoted += QStringLiteral("\" %f");
  // The value itself is a string of the desktop entry format, which escapes these again.
  QString value;
  for (QChar c : quoted) {
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
  QFile file(QStringLiteral(":/icons/zelto.svg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
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
  const QString desktop = QStringLiteral(
                              "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Brindamor\n"
                              "GenericName=Note organiser\n"
                              "Comment=Short notes filed under a tree of categories\n"
                              "Exec=%1\n"
                              "Icon=zelto\n"
                              "MimeType=application/x-zelto;\n"
                              "Categories=Office;Utility;\n"
                              "Terminal=false\n")
                              .arg(DesktopExecLine(program_));
  return {{MimePackage, QByteArray(MimeXml)},
          {DesktopEntry, desktop.toUtf8()},
          {IconFile, ProgramIconSvg()}};
}

RegistrationStatus FileTypeRegistration::Register() {
  if (dataHome_.isEmpty()) return RegistrationStatus::Failed;
  bool changed = false;
  bool failed = false;
  for (const RegistrationFile& file : Files()) {
    const QString path = QDir(dataHome_).filePath(file.relativePath);
    if (file.content.isEmpty()) {
      failed = true;  // no icon compiled in: nothing sound to write
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
  bool removed = false;
  bool failed = false;
  for (const RegistrationFile& file : Files()) {
    const QString path = QDir(dataHome_).filePath(file.relativePath);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) continue;
    if (QFile::remove(path)) {
      removed = true;
    } else {
      failed = true;
    }
  }
  if (removed) RefreshDesktop();
  if (failed) return RegistrationStatus::Failed;
  return removed ? RegistrationStatus::Removed : RegistrationStatus::Absent;
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
  return FileTypeRegistration(program, FileTypeRegistration::DefaultDataHome()).Register();
}

RegistrationStatus UnregisterFileType(const QString& program) {
  return FileTypeRegistration(program, FileTypeRegistration::DefaultDataHome()).Unregister();
}

#endif

}  // namespace zelto
