#include "model/RecentDocuments.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentDocuments, NewestFirstEachPathOnceAndNoMoreThanTheLimit) {
  struct Case {
    const char* what;
    std::size_t limit;
    Paths added;
    Paths listed;
  };
  const Case cases[] = {
      {"newest first", 6, {"/a", "/b", "/c"}, {"/c", "/b", "/a"}},
      {"opened again: to the top", 6, {"/a", "/b", "/c", "/a"}, {"/a", "/c", "/b"}},
      {"the top again: unchanged", 6, {"/a", "/b", "/b"}, {"/b", "/a"}},
      {"the oldest fall off", 2, {"/a", "/b", "/c"}, {"/c", "/b"}},
      {"a repeat does not push one off", 2, {"/a", "/b", "/a"}, {"/a", "/b"}},
      {"limit 0 lists nothing", 0, {"/a"}, {}},
      {"an empty name is no document", 6, {"/a", ""}, {"/a"}},
      {"names differing in case are two files", 6, {"/A", "/a"}, {"/a", "/A"}},
  };
  for (const Case& c : cases) {
    RecentDocuments recent(c.limit);
    for (const std::string& path : c.added) recent.Add(path);
    EXPECT_EQ(recent.Paths(), c.listed) << c.what;
  }
}

TEST(RecentDocuments, AStoredListPassesTheSameRule) {
  // As read back from the settings: holes, repeats, and more than the limit now allows.
  const RecentDocuments recent(3, {"/a", "", "/b", "/a", "/c", "/d"});
  EXPECT_EQ(recent.Paths(), (Paths{"/a", "/b", "/c"}));
}

TEST(RecentDocuments, RemoveTakesOnlyThatPath) {
  RecentDocuments recent(6, {"/a", "/b"});
  EXPECT_TRUE(recent.Remove("/a"));
  EXPECT_FALSE(recent.Remove("/a"));
  EXPECT_EQ(recent.Paths(), Paths{"/b"});
}

TEST(RecentDocuments, MenuTextNumbersTheEntryAndShowsTheFileName) {
  EXPECT_EQ(RecentMenuText(1, "/home/ann/work.zlt"), "&1 work.zlt");
  EXPECT_EQ(RecentMenuText(9, "work.zlt"), "&9 work.zlt");
  EXPECT_EQ(RecentMenuText(10, "/x/a.zlt"), "1&0 a.zlt");
  EXPECT_EQ(RecentMenuText(11, "/x/a.zlt"), "11 a.zlt");
  // An '&' of the name is no mnemonic.
  EXPECT_EQ(RecentMenuText(2, "/x/Tom & Jerry.zlt"), "&2 Tom && Jerry.zlt");
}

}  // namespace
}  // namespace zelto
