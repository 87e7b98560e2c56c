#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/QtFileStore.h"

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
  EXPECT_FALSE(store.Exists(a));

  const std::string bytes("\x3A\x00\xFF\r\n\xE9 text", 10);
  Put(a, bytes);
  EXPECT_EQ(store.ReadAll(a), bytes);
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
  const std::string reason = store.WriteAtomic(path, std::string(100000, 'n'), [&] {
    seenBeforeReplace = store.ReadAll(path);
  });
  EXPECT_EQ(reason, "");
  EXPECT_EQ(seenBeforeReplace, "old content");  // the target was untouched until then
  EXPECT_EQ(store.ReadAll(path), std::string(100000, 'n'));
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(QtFileStore, WriteIntoMissingFolderGivesReason) {
  QTemporaryDir dir;
  QtFileStore store;
  // A folder that does not exist (its "parent" is a plain file) cannot take a file.
  Put(PathIn(dir, "plain"), "p");
  bool called = false;
  const std::string reason = store.WriteAtomic(PathIn(dir, "plain/doc.zlt"), "data", [&] { called = true; });
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(called);
}

TEST(QtFileStore, WriteToLockedFolderFailsAndKeepsTarget) {
  QTemporaryDir dir;
  QtFileStore store;
  // A folder without write permission (not enforced for the superuser).
  const QString locked = dir.filePath("locked");
  ASSERT_TRUE(QDir().mkdir(locked));
  const std::string target = (locked + "/doc.zlt").toStdString();
  Put(target, "keep me");
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
  const bool enforced = !QFile(locked + "/probe").open(QIODevice::WriteOnly);
  if (enforced) {
    const std::string reason = store.WriteAtomic(target, "new");
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(store.ReadAll(target), "keep me");
  }
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QFile::remove(locked + "/probe");
  if (!enforced) GTEST_SKIP() << "folder permissions are not enforced for this user";
}
