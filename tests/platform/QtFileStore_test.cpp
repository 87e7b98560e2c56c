#include "platform/QtFileStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "model/DocumentFile.h"

using namespace zelto;

namespace {

std::string PathIn(const QTemporaryDir& dir, const char* name) {
  return dir.filePath(QString::fromUtf8(name)).toStdString();
}

void Put(const std::string& path, const std::string& content) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(content.data(), static_cast<qint64>(content.size()));
}

}  // namespace

TEST(QtFileStore, ReadExistsRemoveRename) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QtFileStore store;
  const std::string a = PathIn(dir, "a.zlt"), b = PathIn(dir, "a.BAK");
  EXPECT_FALSE(store.ReadAll(a).has_value());
  EXPECT_FALSE(store.ReadAll(dir.path().toStdString()).has_value());  // a folder is no file
  EXPECT_EQ(store.OpenForReading(a), nullptr);
  EXPECT_EQ(store.OpenForReading(dir.path().toStdString()), nullptr);
  EXPECT_FALSE(store.Exists(a));

  const std::string bytes("\x3A\x00\xFF\r\n\xE9 text", 10);
  Put(a, bytes);
  EXPECT_EQ(store.ReadAll(a), bytes);
  const auto reader = store.OpenForReading(a);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->Size(), bytes.size());
  char piece[6];
  std::string pieces;
  for (std::ptrdiff_t got; (got = reader->Read(piece, sizeof piece)) > 0;)
    pieces.append(piece, static_cast<std::size_t>(got));
  EXPECT_EQ(pieces, bytes);
  Put(PathIn(dir, "empty"), "");
  EXPECT_EQ(store.ReadAll(PathIn(dir, "empty")), std::string());

  EXPECT_TRUE(store.Rename(a, b));
  EXPECT_FALSE(store.Exists(a));
  EXPECT_EQ(store.ReadAll(b), bytes);
  EXPECT_TRUE(store.Remove(b));
  EXPECT_FALSE(store.Remove(b));

  const std::string named = PathIn(dir, "Pl\xC3\xA4ne.zlt");  // UTF-8 name
  EXPECT_EQ(store.WriteAtomic(named, "x"), "");
  EXPECT_EQ(store.ReadAll(named), "x");
}

TEST(QtFileStore, WriteAtomicReplacesOnlyWhenComplete) {
  QTemporaryDir dir;
  QtFileStore store;
  const std::string path = PathIn(dir, "doc.zlt");
  Put(path, "old content");

  std::optional<std::string> seenBeforeReplace;
  const std::string reason = store.WriteAtomic(path, std::string(100000, 'n'),
                                               [&] { seenBeforeReplace = store.ReadAll(path); });
  EXPECT_EQ(reason, "");
  EXPECT_EQ(seenBeforeReplace, "old content");  // the target was untouched until then
  EXPECT_EQ(store.ReadAll(path), std::string(100000, 'n'));

  // Content made piece by piece arrives whole and in order.
  EXPECT_EQ(store.WriteAtomicStream(path,
                                    [](ByteSink& sink) {
                                      for (const char* piece : {"one ", "", "two ", "three"})
                                        sink.Write(piece);
                                    }),
            "");
  EXPECT_EQ(store.ReadAll(path), "one two three");
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(QtFileStore, WriteIntoMissingFolderGivesReason) {
  QTemporaryDir dir;
  QtFileStore store;
  // A folder that does not exist (its "parent" is a plain file) cannot take a file.
  Put(PathIn(dir, "plain"), "p");
  bool called = false;
  const std::string reason =
      store.WriteAtomic(PathIn(dir, "plain/doc.zlt"), "data", [&] { called = true; });
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(called);
}

TEST(QtFileStore, WriteThatCannotHappenGivesAReasonAndKeepsWhatIsThere) {
  QTemporaryDir dir;
  QtFileStore store;
  // A target whose folder is really a file: no user, not even the superuser, can write it.
  const std::string plainFile = dir.filePath("plain").toStdString();
  Put(plainFile, "keep me");
  bool called = false;
  EXPECT_FALSE(store.WriteAtomic(plainFile + "/doc.zlt", "new", [&] { called = true; }).empty());
  EXPECT_FALSE(called);
  EXPECT_EQ(store.ReadAll(plainFile), "keep me");
  // A target that is a folder is not replaced by a file.
  const QString folder = dir.filePath("folder.zlt");
  ASSERT_TRUE(QDir().mkdir(folder));
  EXPECT_FALSE(store.WriteAtomic(folder.toStdString(), "new").empty());
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

// Saving on the real disk: the previous file becomes the backup, an older backup goes.
TEST(QtFileStore, SaveDocumentKeepsOneBackup) {
  class NoUi : public DocumentUi {
   public:
    std::vector<std::string> messages;
    std::optional<std::string> AskSaveFileName(const FileDialogData&) override { return {}; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string&) override { return true; }
  };
  QTemporaryDir dir;
  QtFileStore store;
  NoUi ui;
  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog;
  DocumentEnv env{doc, list, dialog, ui, store, "Default"};
  const std::string path = PathIn(dir, "my.notes.zlt"), backup = PathIn(dir, "my.notes.BAK");

  ASSERT_EQ(LoadDocument(env, path), LoadResult::NewDocument);
  ASSERT_EQ(SaveDocument(env), SaveResult::Saved);
  const auto first = store.ReadAll(path);
  doc.tabs[0].notes.Add(NoteString{"one", 0});
  ASSERT_EQ(SaveDocument(env), SaveResult::Saved);
  doc.tabs[0].notes.Add(NoteString{"two", 0});
  ASSERT_EQ(SaveDocument(env), SaveResult::Saved);
  EXPECT_NE(store.ReadAll(backup), first);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

  ASSERT_EQ(LoadDocument(env, path), LoadResult::Loaded);
  EXPECT_EQ(doc.tabs[0].notes.Count(), 2u);
  ASSERT_EQ(LoadDocument(env, backup), LoadResult::Loaded);
  EXPECT_EQ(doc.tabs[0].notes.Count(), 1u);
  EXPECT_TRUE(ui.messages.empty());
}
