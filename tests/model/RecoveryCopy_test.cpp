#include "model/RecoveryCopy.h"

#include <gtest/gtest.h>

#include "model/DocumentCodec.h"
#include "model/DocumentSnapshot.h"
#include "model/TreeOps.h"

namespace zelto {
namespace {

TabList SampleTabs() {
  TabList tabs;
  tabs.Append(Tab("Default", 0, NO_PARENT));
  tabs.Append(Tab("Work", 0x80, NO_PARENT));
  tabs.Append(Tab("Clients", 0, 1));
  tabs[0].notes.Add(NoteString{"first\r\nline \xE9", 0});
  tabs[2].notes.Add(NoteString{"Call\r\n/usr/bin/true", 1});
  return tabs;
}

TEST(RecoveryCopy, ReadsBackWhatWasWrittenAndRefusesAnyDamage) {
  const std::string path = "/home/me/notes \xE9.zlt";
  const std::string image = EncodeRecoveryCopy(SampleTabs(), path);
  const auto content = DecodeRecoveryCopy(image);
  ASSERT_TRUE(content);
  EXPECT_EQ(content->documentPath, path);
  EXPECT_EQ(content->documentBytes, EncodeDocument(SampleTabs(), FileLayout::V101));
  // The copy opens as a document too: the loader stops before the trailer.
  EXPECT_FALSE(DecodeDocument(image).Damaged());

  std::string flipped = image;
  flipped[30] ^= 0x01;
  for (const std::string& damaged :
       {image.substr(0, image.size() - 1), image.substr(0, image.size() / 2), flipped,
        image.substr(0, content->documentBytes.size()), std::string("ZLTRECOV"), std::string()})
    EXPECT_FALSE(DecodeRecoveryCopy(damaged)) << damaged.size();
}

TEST(RecoveryCopy, NamesKeepDocumentsApartAndSetAsideNumbersCount) {
  const std::string a = RecoveryCopyName("/home/me/work.zlt");
  EXPECT_EQ(a.rfind("work-", 0), 0u) << a;
  EXPECT_EQ(a.size(), std::string("work-").size() + 16 + 4);
  EXPECT_EQ(a, RecoveryCopyName("/home/me/work.zlt"));
  EXPECT_NE(a, RecoveryCopyName("/home/you/work.zlt"));
  EXPECT_EQ(RecoveryCopyName("/x/.zlt").rfind(".zlt-", 0), 0u);
  EXPECT_EQ(RecoveryCopyName("/").rfind("document-", 0), 0u);

  const std::string aside = SetAsideName(a, 12);
  EXPECT_EQ(aside, a.substr(0, a.size() - 4) + ".set-aside-12.zlt");
  EXPECT_EQ(SetAsideNumber(a, aside), 12);
  for (const std::string& other : {a, SetAsideName(RecoveryCopyName("/o.zlt"), 3),
                                   a.substr(0, a.size() - 4) + ".set-aside-x.zlt",
                                   a.substr(0, a.size() - 4) + ".set-aside-.zlt"})
    EXPECT_FALSE(SetAsideNumber(a, other)) << other;
}

TEST(DocumentSnapshot, CopiesInStepsWhateverTheSizeOfACategory) {
  TabList tabs = SampleTabs();
  tabs.Append(Tab("Big", 0, NO_PARENT));
  for (std::size_t i = 0; i < 2 * DocumentSnapshot::NotesPerPart + 5; ++i)
    tabs[3].notes.Add(NoteString{"note " + std::to_string(i % 700), 0});

  DocumentSnapshot snapshot;
  snapshot.Step(tabs, [] { return true; });
  snapshot.Restart();  // the document changed: start again
  int steps = 1;
  while (!snapshot.Step(tabs, [] { return true; })) ++steps;
  EXPECT_EQ(steps, 6);  // four categories, the big one in three parts
  const TabList copy = snapshot.Take();
  EXPECT_EQ(EncodeDocument(copy, FileLayout::V101), EncodeDocument(tabs, FileLayout::V101));
  EXPECT_TRUE(snapshot.Step(tabs, [] { return false; }));
  EXPECT_EQ(snapshot.Take().Count(), tabs.Count());
}

}  // namespace
}  // namespace zelto
