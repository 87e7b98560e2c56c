#include "platform/FileTypeRegistration.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace zelto {
namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

// Every file below `root`, relative to it, sorted.
QStringList FilesUnder(const QString& root) {
  QStringList files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(root).relativeFilePath(it.next());
  files.sort();
  return files;
}

class FileTypeRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    registration.SetToolRunner([this](const QString& tool, const QStringList& args) {
      tools << tool + " " + args.join(' ');
    });
  }
  QString Path(const QString& relative) const { return QDir(dir.path()).filePath(relative); }

  QTemporaryDir dir;
  FileTypeRegistration registration{"/opt/brindamor/bin/zelto", dir.path()};
  QStringList tools;
};

TEST_F(FileTypeRegistrationTest, RegisterWritesTypeProgramAndIcon) {
  EXPECT_EQ(registration.Register(), RegistrationStatus::Written);
  EXPECT_EQ(FilesUnder(dir.path()),
            QStringList({"applications/zelto.desktop", "icons/hicolor/scalable/apps/zelto.svg",
                         "mime/packages/zelto.xml"}));

  const QByteArray desktop = ReadFile(Path("applications/zelto.desktop"));
  EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(desktop.contains("\nExec=\"/opt/brindamor/bin/zelto\" %f\n"));
  EXPECT_TRUE(desktop.contains("\nMimeType=application/x-zelto;\n"));
  EXPECT_TRUE(desktop.contains("\nIcon=zelto\n"));

  const QByteArray mime = ReadFile(Path("mime/packages/zelto.xml"));
  EXPECT_TRUE(mime.contains("type=\"application/x-zelto\""));
  EXPECT_TRUE(mime.contains("<glob pattern=\"*.zlt\"/>"));
  EXPECT_TRUE(mime.contains(R"(value="\x3a\x01\x01\x00\x00\x05\x00\x00\x00ZELTO")"));

  EXPECT_TRUE(ReadFile(Path("icons/hicolor/scalable/apps/zelto.svg")).contains("<svg"));
  EXPECT_EQ(tools, QStringList({"update-mime-database " + Path("mime"),
                                "update-desktop-database " + Path("applications")}));
}

TEST_F(FileTypeRegistrationTest, RegisterAgainWritesOnlyWhatChanged) {
  ASSERT_EQ(registration.Register(), RegistrationStatus::Written);
  tools.clear();
  EXPECT_EQ(registration.Register(), RegistrationStatus::Unchanged);
  EXPECT_TRUE(tools.isEmpty());

  // The program moved: the desktop entry follows it.
  FileTypeRegistration moved("/home/me/my apps/zelto", dir.path());
  moved.SetToolRunner([this](const QString& tool, const QStringList&) { tools << tool; });
  EXPECT_EQ(moved.Register(), RegistrationStatus::Written);
  EXPECT_TRUE(ReadFile(Path("applications/zelto.desktop"))
                  .contains("\nExec=\"/home/me/my apps/zelto\" %f\n"));
  EXPECT_EQ(tools.size(), 2);
}

TEST_F(FileTypeRegistrationTest, UnregisterRemovesExactlyItsFiles) {
  // Other programs' files and the generated mime database share the folders.
  WriteFile(Path("applications/other.desktop"), "[Desktop Entry]\n");
  WriteFile(Path("mime/packages/other.xml"), "<mime-info/>");
  WriteFile(Path("mime/mime.cache"), "cache");
  WriteFile(Path("icons/hicolor/scalable/apps/other.svg"), "<svg/>");
  const QStringList before = FilesUnder(dir.path());

  ASSERT_EQ(registration.Register(), RegistrationStatus::Written);
  tools.clear();
  EXPECT_EQ(registration.Unregister(), RegistrationStatus::Removed);
  EXPECT_EQ(FilesUnder(dir.path()), before);
  EXPECT_EQ(tools.size(), 2);

  tools.clear();
  EXPECT_EQ(registration.Unregister(), RegistrationStatus::Absent);
  EXPECT_TRUE(tools.isEmpty());
  EXPECT_EQ(FilesUnder(dir.path()), before);
}

TEST_F(FileTypeRegistrationTest, UnwritableDataFolderReportsFailure) {
  WriteFile(Path("plainfile"), "x");  // a file where a folder would have to be
  FileTypeRegistration blocked("/usr/bin/zelto", Path("plainfile/share"));
  blocked.SetToolRunner([this](const QString& tool, const QStringList&) { tools << tool; });
  EXPECT_EQ(blocked.Register(), RegistrationStatus::Failed);
  EXPECT_EQ(blocked.Unregister(), RegistrationStatus::Absent);
  EXPECT_TRUE(tools.isEmpty());
  EXPECT_EQ(FileTypeRegistration("/usr/bin/zelto", "").Register(), RegistrationStatus::Failed);
}

TEST(DesktopExecLine, ProgramPathIsQuotedAndEscaped) {
  EXPECT_EQ(DesktopExecLine("/usr/bin/zelto"), R"("/usr/bin/zelto" %f)");
  EXPECT_EQ(DesktopExecLine("/opt/My Apps/zelto"), R"("/opt/My Apps/zelto" %f)");
  // '$' and '"' get a backslash inside the quotes, which the value format doubles again.
  EXPECT_EQ(DesktopExecLine("/a$b/\"q\"/zelto"), R"("/a\\$b/\\"q\\"/zelto" %f)");
  EXPECT_EQ(DesktopExecLine("/a\\b/zelto"), R"("/a\\\\b/zelto" %f)");
  EXPECT_EQ(DesktopExecLine("/100%/zelto"), R"("/100%%/zelto" %f)");
  EXPECT_EQ(DesktopExecLine("/a\nb"), R"("/a\nb" %f)");
}

// The desktop's mime database tool reads the type with the exact bytes every document
// file begins with.
TEST_F(FileTypeRegistrationTest, MimeDatabaseGetsTheDocumentSignature) {
  if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
    GTEST_SKIP() << "update-mime-database is not installed";
  registration.SetToolRunner(&FileTypeRegistration::RunToolIfPresent);
  ASSERT_EQ(registration.Register(), RegistrationStatus::Written);
  const QByteArray magic = ReadFile(Path("mime/magic"));
  static const char ruleText[] =
      "[80:application/x-zelto]\n>0=\0\x0e\x3a\x01\x01\0\0\x05\0\0\0ZELTO\n";
  const QByteArray rule(ruleText, sizeof ruleText - 1);
  EXPECT_TRUE(magic.contains(rule)) << magic.toStdString();
  EXPECT_TRUE(ReadFile(Path("mime/globs2")).contains(":application/x-zelto:*.zlt"));
}

}  // namespace
}  // namespace zelto
