// Replays the hand-made files of corpus/ through the loader. The first word of a file's
// name says what the load must give; every load must leave a sound document behind.
#include <gtest/gtest.h>

#include "model/Corpus.h"
#include "model/DocumentCodec.h"
#include "model/TestFiles.h"
#include "model/TreeOps.h"

using namespace zelto;

namespace {

LoadResult Expected(const std::string& fileName) {
  if (fileName.rfind("loads-", 0) == 0) return LoadResult::Loaded;
  if (fileName.rfind("damaged-", 0) == 0) return LoadResult::Damaged;
  return LoadResult::NotZelto;
}

}  // namespace

TEST(DamagedCorpus, EveryFileLoadsAsExpectedAndLeavesASoundDocument) {
  int files = 0;
  for (const auto& [name, bytes] : fakes::CorpusFiles()) {
    ++files;
    SCOPED_TRACE(name);
    fakes::Session s;
    AppendCategory(s.doc.tabs, "Before", 0, NO_PARENT);
    s.files.files["f.zlt"] = bytes;
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

// A file read piece by piece, through a window of any size: records that straddle the
// pieces come out exactly as from the whole file held in memory.
TEST(DamagedCorpus, ReadingInPiecesGivesWhatTheWholeFileGives) {
  for (const auto& [name, bytes] : fakes::CorpusFiles()) {
    SCOPED_TRACE(name);
    const DecodedDocument whole = DecodeDocument(bytes);
    MemoryFileStore files;
    files.files["f.zlt"] = bytes;
    for (const std::size_t window : {1, 5, 64}) {
      for (const std::size_t piece : {1, 3, 1000}) {
        files.readPiece = piece;
        const auto reader = files.OpenForReading("f.zlt");
        ByteWindow in(*reader, window);
        const DecodedDocument parts = DecodeDocument(in);
        EXPECT_EQ(parts.isZelto, whole.isZelto);
        EXPECT_EQ(parts.truncated, whole.truncated);
        EXPECT_EQ(parts.parentsRepaired, whole.parentsRepaired);
        EXPECT_EQ(parts.notesSkipped, whole.notesSkipped);
        EXPECT_EQ(parts.nextCategoryNotes, whole.nextCategoryNotes);
        EXPECT_EQ(EncodeDocument(parts.tabs, FileLayout::V101),
                  EncodeDocument(whole.tabs, FileLayout::V101));
      }
    }
  }
}
