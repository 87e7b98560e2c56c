#include "model/TextOrder.h"

#include <gtest/gtest.h>

#include "model/NoteList.h"
#include "model/Records.h"

using namespace zelto;

TEST(TextOrder, FoldsOnlyAsciiLettersAndComparesUnsigned) {
  EXPECT_GT(CompareText("_x", "zz"), 0);  // '_' (0x5F) is above 'Z' once folded
  EXPECT_GT(CompareText("[", "Z"), 0);
  EXPECT_EQ(CompareText("Apple", "aPPLE"), 0);
  EXPECT_LT(CompareText("abc", "abcd"), 0);
  EXPECT_GT(CompareText("abcd", "abc"), 0);
  // e-acute and E-acute are different bytes and sort after all ASCII text.
  EXPECT_NE(CompareText("\xE9", "\xC9"), 0);
  EXPECT_GT(CompareText("\xC9", "zzz"), 0);
  EXPECT_GT(CompareText("\xE9", "\xC9"), 0);
}

TEST(TextOrder, PrefixMatchIgnoresCase) {
  EXPECT_TRUE(TextStartsWith("Workshop", "work"));
  EXPECT_FALSE(TextStartsWith("Wor", "work"));
}

TEST(NoteList, InsertsAfterEqualTexts) {
  NoteList notes;
  notes.Add(NoteString{"banana", 0});
  notes.Add(NoteString{"Apple", 0});
  const std::size_t pos = notes.Add(NoteString{"apple", 1});
  EXPECT_EQ(pos, 1u);
  ASSERT_EQ(notes.Count(), 3u);
  EXPECT_EQ(notes[0].text, "Apple");
  EXPECT_EQ(notes[1].text, "apple");
  EXPECT_EQ(notes[2].text, "banana");
  notes.RemoveAt(0);
  EXPECT_EQ(notes[0].text, "apple");
  notes.RemoveAt(7);  // out of range: nothing happens
  EXPECT_EQ(notes.Count(), 2u);
}
