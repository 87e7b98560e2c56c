// Whether the file on disk is still the version a document holds.
#include "model/FileIdentity.h"

#include <gtest/gtest.h>

#include "model/MemoryFileStore.h"

namespace zelto {
namespace {

TEST(FileIdentity, AnyDifferenceIsAChangeAndAMissingFileIsNoneOrRemoved) {
  const FileIdentity loaded{1, 100, 48, 1'700'000'000'123'456'789};
  FileIdentity renamedOver = loaded;  // a sync service's copy: same size, same time
  renamedOver.inode = 101;
  FileIdentity otherDisk = loaded;
  otherDisk.device = 2;
  FileIdentity grown = loaded;
  grown.size = 49;
  FileIdentity rewritten = loaded;  // written in place within the same millisecond
  rewritten.modifiedNs += 1;
  const std::optional<FileIdentity> none;
  struct Case {
    std::optional<FileIdentity> recorded, now;
    DiskChange expected;
  };
  for (const Case& c :
       {Case{loaded, loaded, DiskChange::None}, Case{loaded, renamedOver, DiskChange::Changed},
        Case{loaded, otherDisk, DiskChange::Changed}, Case{loaded, grown, DiskChange::Changed},
        Case{loaded, rewritten, DiskChange::Changed}, Case{none, loaded, DiskChange::Changed},
        Case{loaded, none, DiskChange::Removed}, Case{none, none, DiskChange::None}})
    EXPECT_EQ(CompareOnDisk(c.recorded, c.now), c.expected);
}

TEST(FileIdentity, ARecordComparesOnlyTheFileItWasTakenOf) {
  MemoryFileStore files;
  files.WriteAtomic("a.zlt", "first");
  DiskRecord record;
  EXPECT_EQ(record.Check(files, "a.zlt"), DiskChange::None);  // nothing recorded yet
  record.Record("a.zlt", files.Identify("a.zlt"));
  EXPECT_EQ(record.Check(files, "a.zlt"), DiskChange::None);
  files.WriteAtomic("b.zlt", "other");
  EXPECT_EQ(record.Check(files, "b.zlt"), DiskChange::None);  // another name: never held
  files.WriteAtomic("a.zlt", "first");                        // the same bytes, written again
  EXPECT_EQ(record.Check(files, "a.zlt"), DiskChange::Changed);
  files.Remove("a.zlt");
  EXPECT_EQ(record.Check(files, "a.zlt"), DiskChange::Removed);
  record.Forget();
  EXPECT_EQ(record.Check(files, "a.zlt"), DiskChange::None);
}

}  // namespace
}  // namespace zelto
