// Replays the hand-made files of corpus/ through the loader. The first word of a file's
// name says what the load must give; every load must leave a sound document behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/DocumentCodec.h"
#include "model/TestFiles.h"
#include "model/TreeOps.h"

using namespace zelto;

namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

LoadResult Expected(const std::string& fileName) {
  if (fileName.rfind("loads-", 0) == 0) return LoadResult::Loaded;
  if (fileName.rfind("damaged-", 0) == 0) return LoadResult::Damaged;
  return LoadResult::NotZelto;
}

}  // namespace

TEST(DamagedCorpus, EveryFileLoadsAsExpectedAndLeavesASoundDocument) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZELTO_CORPUS_DIR)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".zlt") continue;
    ++files;
    SCOPED_TRACE(name);
    fakes::Session s;
    AppendCategory(s.doc.tabs, "Before", 0, NO_PARENT);
    s.files.files["f.zlt"] = ReadFile(entry.path());
    const LoadResult result = LoadDocument(s.env, std::string("f.zlt"));
    EXPECT_EQ(result, Expected(name));
    if (result == LoadResult::NotZelto) {
      EXPECT_EQ(s.doc.tabs.Count(), 1u);
      continue;
    }
    EXPECT_EQ(s.ui.messages.size(), result == LoadResult::Damaged ? 1u : 0u);
    // Every category hangs from the top level, the list shows the top level, and the
    // default category is selected.
    const auto live = LiveCategories(s.doc.tabs);
    for (std::size_t i = 0; i < live.size(); ++i) EXPECT_TRUE(live[i]) << i;
    for (int pos = 0; pos < s.list.GetCount(); ++pos)
      EXPECT_TRUE(s.doc.tabs[s.list.GetItemData(pos)].IsTopLevel());
    ASSERT_NE(s.list.GetSelIndex(), CategoryList::None);
    EXPECT_EQ(s.list.GetString(s.list.GetSelIndex()), "Default");

    // What was kept survives a save and a clean reload unchanged.
    ASSERT_EQ(SaveDocument(s.env), SaveResult::Saved);
    fakes::Session r;
    r.files.files = s.files.files;
    EXPECT_EQ(LoadDocument(r.env, std::string("f.zlt")), LoadResult::Loaded);
    EXPECT_EQ(EncodeDocument(r.doc.tabs, FileLayout::V101),
              EncodeDocument(s.doc.tabs, FileLayout::V101));
  }
  EXPECT_GE(files, 20);
}
