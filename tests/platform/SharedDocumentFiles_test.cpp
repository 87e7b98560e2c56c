// A document file shared with other programs, on a real disk: the identity that tells its
// versions apart, its lock, and the watch that notices changes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <csignal>
#include <filesystem>

#include "platform/DocumentWatcher.h"
#include "platform/QtDocumentLocks.h"
#include "platform/QtFileStore.h"
#include "support/QtApp.h"

namespace zelto {
namespace {

namespace fs = std::filesystem;

class SharedDocumentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  std::string At(const char* name) const { return dir.filePath(name).toStdString(); }
  static void Write(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  static void SetTime(const std::string& path, const QDateTime& time) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
  }
  // Another program replaces the document by renaming its own copy over it.
  void ReplaceByRename(const std::string& path, const std::string& bytes) {
    Write(path + ".tmp", bytes);
    fs::rename(path + ".tmp", path);
  }

  QTemporaryDir dir;
  QtFileStore files;
};

TEST_F(SharedDocumentFilesTest, EveryWayAnotherProgramChangesTheFileShowsInItsIdentity) {
  const std::string doc = At("doc.zlt");
  const QDateTime when = QDateTime::currentDateTime().addSecs(-100);
  Write(doc, "version 1");
  SetTime(doc, when);
  const std::optional<FileIdentity> loaded = files.Identify(doc);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(files.Identify(doc), loaded);  // reading it again changes nothing

  // A copy of the same size and time renamed over it is another file all the same.
  ReplaceByRename(doc, "version 2");
  SetTime(doc, when);
  const std::optional<FileIdentity> renamed = files.Identify(doc);
  EXPECT_EQ(CompareOnDisk(loaded, renamed), DiskChange::Changed);

  // Written in place, same size: only the time tells.
  Write(doc, "version 3");
  EXPECT_EQ(CompareOnDisk(renamed, files.Identify(doc)), DiskChange::Changed);

  // Through a symbolic link the file it points to counts.
  fs::create_symlink(doc, At("link.zlt"));
  EXPECT_EQ(files.Identify(At("link.zlt")), files.Identify(doc));
  fs::remove(doc);
  EXPECT_FALSE(files.Identify(At("link.zlt")));
}

TEST_F(SharedDocumentFilesTest, OneLockPerDocumentWhateverNameReachesIt) {
  Write(At("doc.zlt"), "doc");
  fs::create_symlink(At("doc.zlt"), At("link.zlt"));
  QtDocumentLocks mine;
  QtDocumentLocks theirs;
  LockAttempt first = mine.Lock(At("doc.zlt"));
  ASSERT_TRUE(first.lock);
  EXPECT_EQ(first.lock->Path(), At(".doc.zlt.lock"));

  const LockAttempt second = theirs.Lock(At("link.zlt"));
  EXPECT_FALSE(second.lock);
  ASSERT_TRUE(second.HeldElsewhere());
  EXPECT_NE(second.holder.find("process " + std::to_string(::getpid())), std::string::npos)
      << second.holder;
  EXPECT_TRUE(second.holderOnThisMachine);
  // However long it has been held, a lock of a running program stays its own.
  SetTime(At(".doc.zlt.lock"), QDateTime::currentDateTime().addSecs(-3600));
  EXPECT_TRUE(theirs.Lock(At("doc.zlt")).HeldElsewhere());

  first.lock.reset();  // the document is closed
  EXPECT_FALSE(fs::exists(At(".doc.zlt.lock")));
  EXPECT_TRUE(theirs.Lock(At("link.zlt")).lock);
}

TEST_F(SharedDocumentFilesTest, TheLockOfAKilledProcessIsTakenOver) {
  Write(At("doc.zlt"), "doc");
  const QString lockPath = QString::fromStdString(At(".doc.zlt.lock"));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    QLockFile lock(lockPath);
    if (!lock.tryLock(0)) ::_exit(1);
    for (;;) ::pause();
  }
  QElapsedTimer waited;
  waited.start();
  while (!QFile::exists(lockPath) && waited.elapsed() < 5000) ::usleep(10000);
  ::usleep(50000);  // its content is written just after the file appears
  QtDocumentLocks locks;
  EXPECT_TRUE(locks.Lock(At("doc.zlt")).HeldElsewhere());  // alive: held

  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  const LockAttempt after = locks.Lock(At("doc.zlt"));
  EXPECT_TRUE(after.lock);
  EXPECT_TRUE(after.holder.empty());
}

TEST_F(SharedDocumentFilesTest, TheWatchNoticesAReplacementByRenameAndAWriteInPlace) {
  testing::EnsureQApplication();
  const std::string doc = At("doc.zlt");
  Write(doc, "version 1");
  DocumentWatcher watcher;
  int noticed = 0;
  QObject::connect(&watcher, &DocumentWatcher::MayHaveChanged, [&noticed] { ++noticed; });
  // Runs the event loop for `ms`, or until a notice came when `untilNoticed`.
  const auto wait = [&noticed](int ms, bool untilNoticed) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !(untilNoticed && noticed > 0))
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  };
  watcher.Watch(doc);
  for (int round = 0; round < 2; ++round) {
    noticed = 0;
    ReplaceByRename(doc, "version " + std::to_string(round + 2));
    wait(3000, true);
    EXPECT_EQ(noticed, 1) << "rename " << round;
    noticed = 0;
    Write(doc, "written in place " + std::to_string(round));
    wait(3000, true);
    EXPECT_EQ(noticed, 1) << "in place " << round;
  }
  // A burst of writes is reported once, when it is over.
  noticed = 0;
  for (int i = 0; i < 5; ++i) Write(doc, "burst " + std::to_string(i));
  wait(DocumentWatcher::QuietMilliseconds * 4, false);
  EXPECT_EQ(noticed, 1);
}

}  // namespace
}  // namespace zelto
