// Who may read what the program writes: a saved document keeps the mode and owner of the
// file it replaces; recovery copies and the settings file are the user's alone.
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

#include "gtest/gtest.h"
#include "model/RecoveryFiles.h"
#include "model/TreeOps.h"
#include "platform/DiskSession.h"
#include "platform/QtSettingsStore.h"

namespace zelto {
namespace {

namespace fs = std::filesystem;
constexpr fs::perms OwnerReadWrite = fs::perms::owner_read | fs::perms::owner_write;

fs::perms ModeOf(const std::string& path) { return fs::status(path).permissions(); }

TEST(FileModes, ASavedDocumentKeepsTheModeAndOwnerOfTheFileItReplaces) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("doc.zlt").toStdString();
  fakes::DiskSession s;
  DocumentEnv& env = s.env;
  AppendCategory(s.doc.tabs, "Default", 0, NO_PARENT);

  // A new document: the user's default.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ASSERT_EQ(SaveDocument(env, path), SaveResult::Saved);
  EXPECT_EQ(static_cast<mode_t>(ModeOf(path)), 0666 & ~mask);

  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  const bool mayGiveAway = ::geteuid() == 0;
  if (mayGiveAway) {
    ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
  }
  for (int save = 0; save < 2; ++save) {
    ASSERT_EQ(SaveDocument(env), SaveResult::Saved);
    EXPECT_EQ(static_cast<mode_t>(ModeOf(path)), mode_t{0640});
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    if (mayGiveAway) {
      EXPECT_EQ(st.st_uid, uid_t{4242});
      EXPECT_EQ(st.st_gid, gid_t{4343});
    }
  }
}

TEST(FileModes, RecoveryCopiesAndTheSettingsFileAreTheUsersAlone) {
  QTemporaryDir dir;
  QtFileStore files;
  const std::string folder = dir.filePath("data/Zelto/recovery").toStdString();
  RecoveryFiles recovery(files, folder);
  TabList tabs;
  tabs.Append(Tab("Default", 0, NO_PARENT));
  // A copy that was readable by others is replaced by a private one.
  ASSERT_EQ(recovery.Write(tabs, "/docs/a.zlt"), "");
  const std::string copy = recovery.CopyPathOf("/docs/a.zlt");
  ASSERT_EQ(::chmod(copy.c_str(), 0644), 0);
  ASSERT_EQ(recovery.Write(tabs, "/docs/a.zlt"), "");
  EXPECT_EQ(ModeOf(copy), OwnerReadWrite);
  EXPECT_EQ(ModeOf(folder), fs::perms::owner_all);

  const QString ini = dir.filePath("config/Zelto/Zelto.conf");
  {
    QtSettingsStore store(ini);
    ASSERT_TRUE(store.OpenSettingsKey());
    store.WriteString("DefaultCat", "Inbox");
    store.CloseSettingsKey();
  }
  EXPECT_EQ(ModeOf(ini.toStdString()), OwnerReadWrite);
  EXPECT_EQ(ModeOf(dir.filePath("config/Zelto").toStdString()), fs::perms::owner_all);
  QtSettingsStore again(ini);
  ASSERT_TRUE(again.OpenSettingsKey());
  EXPECT_EQ(again.ReadString("DefaultCat", ""), "Inbox");
}

}  // namespace
}  // namespace zelto
