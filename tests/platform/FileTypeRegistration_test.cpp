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

const QString Desktop = "applications/org.brindamor.Brindamor.desktop";
const QString Mime = "mime/packages/org.brindamor.Brindamor.xml";
const QString Icon = "icons/hicolor/scalable/apps/org.brindamor.Brindamor.svg";

// The value of `key` in a desktop entry.
QByteArray EntryValue(const QByteArray& entry, const QByteArray& key) {
  for (const QByteArray& line : entry.split('\n'))
    if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
  return {};
}

TEST_F(FileTypeRegistrationTest, RegisterWritesTypeProgramAndIconUnderOneName) {
  EXPECT_EQ(registration.Register(), RegistrationStatus::Written);
  EXPECT_EQ(FilesUnder(dir.path()), QStringList({Desktop, Icon, Mime}));

  const QByteArray desktop = ReadFile(Path(Desktop));
  EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\n"));
  EXPECT_EQ(EntryValue(desktop, "Exec"), "/opt/brindamor/bin/zelto %f");
  // The entry names the icon and the type that the other two files hold.
  EXPECT_EQ(EntryValue(desktop, "Icon") + ".svg", QFileInfo(Icon).fileName().toUtf8());
  const QByteArray mime = ReadFile(Path(Mime));
  EXPECT_TRUE(mime.contains("type=\"" + EntryValue(desktop, "MimeType").chopped(1) + "\""));
  EXPECT_TRUE(mime.contains("<icon name=\"" + EntryValue(desktop, "Icon") + "\"/>"));
  EXPECT_TRUE(mime.contains("<glob pattern=\"*.zlt\"/>"));
  EXPECT_TRUE(mime.contains(R"(value="\x3a\x01\x01\x00\x00\x05\x00\x00\x00ZELTO")"));

  EXPECT_TRUE(ReadFile(Path(Icon)).contains("<svg"));
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
  EXPECT_EQ(EntryValue(ReadFile(Path(Desktop)), "Exec"), R"("/home/me/my apps/zelto" %f)");
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

// Earlier versions wrote the same registration under the name "zelto"; left in place, the
// desktop would list the program twice.
TEST_F(FileTypeRegistrationTest, FilesOfEarlierVersionsGoAndSameNamedStrangersStay) {
  const struct {
    QString path;
    QByteArray content;
    bool ours;
  } cases[] = {
      {"applications/zelto.desktop",
       "[Desktop Entry]\nExec=\"/old/zelto\" %f\nMimeType=application/x-zelto;\n", true},
      {"mime/packages/zelto.xml", "<mime-type type=\"application/x-zelto\">", true},
      {"icons/hicolor/scalable/apps/zelto.svg", "<svg><!-- Brindamor --></svg>", true},
  };
  for (bool byUnregister : {false, true}) {
    for (const auto& c : cases) WriteFile(Path(c.path), c.content);
    if (byUnregister)
      EXPECT_EQ(registration.Unregister(), RegistrationStatus::Removed);
    else
      EXPECT_EQ(registration.Register(), RegistrationStatus::Written);
    for (const auto& c : cases)
      EXPECT_FALSE(QFileInfo::exists(Path(c.path))) << c.path.toStdString();
  }

  // A file of another program that happens to bear the old name is not ours.
  WriteFile(Path("applications/zelto.desktop"), "[Desktop Entry]\nExec=zelto-game\n");
  EXPECT_EQ(registration.RemoveFormerFiles(), RegistrationStatus::Absent);
  EXPECT_TRUE(QFileInfo::exists(Path("applications/zelto.desktop")));
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

TEST(DesktopExecLine, PathIsQuotedOnlyWhenItHoldsAReservedCharacter) {
  const struct {
    const char* program;
    const char* exec;
  } cases[] = {
      {"/usr/bin/zelto", "/usr/bin/zelto %f"},
      {"/home/me/src/build-2.0/zelto", "/home/me/src/build-2.0/zelto %f"},
      {"/100%/zelto", "/100%%/zelto %f"},
      {"/opt/My Apps/zelto", R"("/opt/My Apps/zelto" %f)"},
      {"/opt/it's/zelto", R"("/opt/it's/zelto" %f)"},
      {"/opt/a;b/zelto", R"("/opt/a;b/zelto" %f)"},
      // '$' and '"' get a backslash inside the quotes, which the value format doubles again.
      {"/a$b/\"q\"/zelto", R"("/a\\$b/\\"q\\"/zelto" %f)"},
      {"/a\\b/zelto", R"("/a\\\\b/zelto" %f)"},
      {"/50% off/zelto", R"("/50%% off/zelto" %f)"},
      {"/a\nb", R"("/a\nb" %f)"},
  };
  for (const auto& c : cases) EXPECT_EQ(DesktopExecLine(c.program), c.exec) << c.program;
}

// A program installed where the desktop looks writes nothing for the user; one in a build
// folder registers itself for the user, under the same name.
class InstalledProgramTest : public FileTypeRegistrationTest {
 protected:
  void SetUp() override {
    FileTypeRegistrationTest::SetUp();
    for (const QString& file : {Desktop, Mime, Icon}) WriteFile(Path("usr/share/" + file), "x");
    savedHome = qgetenv("XDG_DATA_HOME");
    savedDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", Path("home").toUtf8());
    qputenv("XDG_DATA_DIRS", ("/nowhere:" + Path("usr/share")).toUtf8());
  }
  void TearDown() override {
    qputenv("XDG_DATA_HOME", savedHome);
    qputenv("XDG_DATA_DIRS", savedDirs);
  }
  QByteArray savedHome, savedDirs;
};

TEST_F(InstalledProgramTest, InstalledProgramLeavesTheUsersFoldersAlone) {
  EXPECT_TRUE(FileTypeRegistration::InstalledForDesktop(Path("usr/share"),
                                                        {"/usr/share", Path("usr/share")}));
  EXPECT_FALSE(FileTypeRegistration::InstalledForDesktop(Path("usr/share"), {"/usr/share"}));

  EXPECT_EQ(RegisterFileType(Path("usr/bin/zelto")), RegistrationStatus::Absent);
  EXPECT_FALSE(QFileInfo::exists(Path("home")));

  // Without its icon the installation is incomplete: the program registers itself.
  QFile::remove(Path("usr/share/" + Icon));
  EXPECT_FALSE(FileTypeRegistration::InstalledForDesktop(Path("usr/share"), {Path("usr/share")}));
  EXPECT_EQ(RegisterFileType(Path("usr/bin/zelto")), RegistrationStatus::Written);
  EXPECT_EQ(FilesUnder(Path("home")).filter(".Brindamor."), QStringList({Desktop, Icon, Mime}));
}

TEST_F(InstalledProgramTest, ProgramInABuildFolderRegistersItselfBesideTheInstallation) {
  EXPECT_EQ(RegisterFileType(Path("src/build/zelto")), RegistrationStatus::Written);
  EXPECT_EQ(EntryValue(ReadFile(Path("home/" + Desktop)), "Exec"),
            (Path("src/build/zelto") + " %f").toUtf8());
  EXPECT_EQ(UnregisterFileType(Path("src/build/zelto")), RegistrationStatus::Removed);
  EXPECT_TRUE(FilesUnder(Path("home")).filter(".Brindamor.").isEmpty());
  // The installation's files are never the user's to remove.
  EXPECT_TRUE(QFileInfo::exists(Path("usr/share/" + Desktop)));
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
