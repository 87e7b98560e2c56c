// The text export from the command line, run as a user would: the built program, with no
// display and no platform plugin in its environment.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/DocumentCommands.h"
#include "model/DocumentCodec.h"
#include "model/TreeOps.h"
#include "platform/QtFileStore.h"

namespace zelto {
namespace {

struct ProgramRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ProgramRun RunZelto(const QStringList& args, const QString& home) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  // The settings of a user who never changed them.
  env.insert("HOME", home);
  env.insert("XDG_CONFIG_HOME", home + "/config");
  env.insert("XDG_DATA_HOME", home + "/data");
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(ZELTO_PROGRAM), args);
  EXPECT_TRUE(p.waitForFinished(30000));
  ProgramRun r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

std::string ReadFile(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// The shell of the menu command: the save dialog answers with one name.
class ExportShell : public DocumentShell {
 public:
  explicit ExportShell(std::string name) : name_(std::move(name)) {}
  std::vector<std::string> messages;
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override { return name_; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string&) override { return false; }
  SaveChangesAnswer AskSaveChanges() override { return SaveChangesAnswer::Cancel; }
  std::optional<std::string> AskOpenFileName(const FileDialogData&) override { return {}; }
  bool WindowsMayClose() override { return true; }
  bool ClientMayClose() override { return true; }
  void ClearEntryDetail() override {}
  void StoreWindowPosition() override {}

 private:
  std::string name_;
};

// What "Save as text" writes for the document in `path`.
std::string MenuExport(const QString& path, const QString& output) {
  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog, exportDialog;
  bool switching = false;
  const std::string defaultCat = "Default";
  ExportShell shell(output.toStdString());
  QtFileStore files;
  DocumentCommands commands({doc, list, dialog, exportDialog, defaultCat, switching}, shell, files);
  DocumentEnv env{doc, list, dialog, shell, files, defaultCat};
  EXPECT_EQ(LoadDocument(env, path.toStdString()), LoadResult::Loaded);
  commands.SaveAsText();
  EXPECT_TRUE(shell.messages.empty());
  return ReadFile(output);
}

// Every export from the command line takes the same arguments and fails the same way.
const QStringList ExportOptions = {"--export-text", "--export-markdown", "--export-html",
                                   "--export-json"};

class HeadlessExport : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(HeadlessExport, WritesTheSameBytesAsTheMenuCommandToFileAndStandardOutput) {
  // The tour, and a document whose default category exists only below the top level, so
  // that loading it adds one.
  TabList tabs;
  const TabInx work = *AppendCategory(tabs, "Work", 0, NO_PARENT);
  AppendCategory(tabs, "default", 0, work);
  tabs[work].notes.Add(NoteString{"Line one\r\nline two", 1});
  WriteFile(Path("nodefault.zlt"), EncodeDocument(tabs, FileLayout::V101));
  for (const QString& document : {QString(ZELTO_TOUR_FILE), Path("nodefault.zlt")}) {
    SCOPED_TRACE(document.toStdString());
    const std::string expected = MenuExport(document, Path("menu.txt"));
    ASSERT_NE(expected.find("/Default\r\n"), std::string::npos);

    const ProgramRun toFile = RunZelto({"--export-text", document, Path("out.txt")}, dir.path());
    EXPECT_EQ(toFile.exitCode, 0) << toFile.err.toStdString();
    EXPECT_TRUE(toFile.err.isEmpty());
    EXPECT_EQ(ReadFile(Path("out.txt")), expected);

    const ProgramRun toStdout = RunZelto({"--export-text", document, "-"}, dir.path());
    EXPECT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
    EXPECT_EQ(toStdout.out.toStdString(), expected);
  }
}

TEST_F(HeadlessExport, TheTourInEachFormatIsItsGoldenFile) {
  for (const char* name : {"tour.md", "tour.html", "tour.json"}) {
    SCOPED_TRACE(name);
    const QString option =
        QStringLiteral("--export-") +
        (QString(name) == "tour.md" ? QStringLiteral("markdown") : QString(name).mid(5));
    const ProgramRun r = RunZelto({option, ZELTO_TOUR_FILE, Path(name)}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(ReadFile(Path(name)), ReadFile(QString(ZELTO_GOLDEN_FOLDER) + "/" + name));
  }
}

TEST_F(HeadlessExport, RefusedOrUnreadableDocumentWritesNothing) {
  WriteFile(Path("notes.txt"), "plain text, not a document");
  WriteFile(Path("kept.txt"), "earlier export");
  for (const QString& option : ExportOptions) {
    for (const QString& document : {Path("missing.zlt"), Path("notes.txt"), dir.path()}) {
      SCOPED_TRACE(option.toStdString() + " " + document.toStdString());
      const ProgramRun r = RunZelto({option, document, Path("kept.txt")}, dir.path());
      EXPECT_EQ(r.exitCode, 1);
      EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
      EXPECT_TRUE(r.err.contains(document.toUtf8()));
      EXPECT_EQ(ReadFile(Path("kept.txt")), "earlier export");
      const ProgramRun out = RunZelto({option, document, "-"}, dir.path());
      EXPECT_EQ(out.exitCode, 1);
      EXPECT_TRUE(out.out.isEmpty());
    }
  }
  const ProgramRun r = RunZelto({"--export-text", Path("notes.txt"), "-"}, dir.path());
  EXPECT_TRUE(r.err.contains("Not a Brindamor data file!"));
}

TEST_F(HeadlessExport, OutputThatCannotBeWrittenLeavesNoFileAndNamesIt) {
  const QString output = Path("no-such-folder/out.txt");
  for (const QString& option : ExportOptions) {
    const ProgramRun r = RunZelto({option, ZELTO_TOUR_FILE, output}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.err.contains(output.toUtf8())) << r.err.toStdString();
  }
  EXPECT_FALSE(std::filesystem::exists(Path("no-such-folder").toStdString()));
}

TEST_F(HeadlessExport, OutputNamingTheDocumentItselfIsRefused) {
  const std::string tour = ReadFile(ZELTO_TOUR_FILE);
  WriteFile(Path("tour.zlt"), tour);
  for (const QString& option : ExportOptions) {
    const ProgramRun r = RunZelto({option, Path("tour.zlt"), Path("./tour.zlt")}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadFile(Path("tour.zlt")), tour);
  }
}

TEST_F(HeadlessExport, DamagedDocumentExportsWhatWasReadAndWarns) {
  const std::string tour = ReadFile(ZELTO_TOUR_FILE);
  // Cut off in the middle of the note records: the categories and the first notes remain.
  WriteFile(Path("cut.zlt"), tour.substr(0, tour.size() * 3 / 4));
  const ProgramRun r = RunZelto({"--export-text", Path("cut.zlt"), Path("cut.txt")}, dir.path());
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(r.err.count('\n'), 1);
  EXPECT_TRUE(r.err.contains("damaged")) << r.err.toStdString();
  const std::string partial = ReadFile(Path("cut.txt"));
  const std::string whole = MenuExport(ZELTO_TOUR_FILE, Path("whole.txt"));
  EXPECT_GT(partial.size(), 100u);
  EXPECT_LT(partial.size(), whole.size());
  EXPECT_NE(partial.find("/Home/Recipes/Desserts"), std::string::npos);
  for (const QString& option : ExportOptions) {
    const ProgramRun other = RunZelto({option, Path("cut.zlt"), "-"}, dir.path());
    EXPECT_EQ(other.exitCode, 3) << option.toStdString();
    EXPECT_TRUE(other.out.contains("Desserts"));
  }
}

TEST_F(HeadlessExport, HelpListsTheOptionAndWrongArgumentsAreAUsageError) {
  const ProgramRun help = RunZelto({"--help"}, dir.path());
  EXPECT_EQ(help.exitCode, 0);
  for (const QString& option : ExportOptions) {
    EXPECT_TRUE(help.out.contains((option + " DOCUMENT.zlt OUTPUT").toUtf8()));
    for (const QStringList& args : {QStringList{option}, QStringList{option, ZELTO_TOUR_FILE},
                                    QStringList{option, ZELTO_TOUR_FILE, "a.txt", "b.txt"}}) {
      const ProgramRun r = RunZelto(args, dir.path());
      EXPECT_EQ(r.exitCode, 2);
      EXPECT_TRUE(r.err.contains("--help"));
      EXPECT_FALSE(std::filesystem::exists(Path("a.txt").toStdString()));
    }
  }
}

}  // namespace
}  // namespace zelto
