#include "mainwin/NoteOperations.h"

#include <gtest/gtest.h>

#include "mainwin/NoteClipboard.h"
#include "model/Records.h"
#include "model/TabList.h"

namespace zelto {
namespace {

using Texts = std::vector<std::string>;
const auto ProgramFlags = static_cast<std::uint8_t>(EntryKind::Program);

TEST(NoteClipboard, ProgramEntriesTravelWithTheirMark) {
  const NoteString program{"Editor\r\nvi -R", static_cast<std::uint8_t>(ProgramFlags | NoPrint)};
  EXPECT_EQ(ClipboardTextOf(program), "\\EEditor\r\nvi -R");
  EXPECT_EQ(ClipboardTextOf(NoteString{"plain", NoPrint}), "plain");

  const NoteString back = NoteFromClipboardText(ClipboardTextOf(program));
  EXPECT_EQ(back.text, program.text);
  EXPECT_EQ(back.flags, ProgramFlags);  // NoPrint does not travel
}

TEST(NoteClipboard, PasteRules) {
  struct Row {
    const char* clip;
    const char* text;
    std::uint8_t flags;
  };
  const Row rows[] = {
      {"\\Xabc", "abc", 0},
      {"\\E", "\\E", 0},
      {"\\", "\\", 0},
      {"\\eabc", "abc", 0},
      {"\\Eabc", "abc", ProgramFlags},
      {"\\E\r\n", "\r\n", ProgramFlags},
      {"line one\r\nline two", "line one\r\nline two", 0},
      {"", "", 0},
      {"a\\Eb", "a\\Eb", 0},
  };
  for (const Row& r : rows) {
    const NoteString note = NoteFromClipboardText(r.clip);
    EXPECT_EQ(note.text, r.text) << r.clip;
    EXPECT_EQ(note.flags, r.flags) << r.clip;
  }
}

TEST(SplitEntry, OneNotePerNonBlankLine) {
  EXPECT_EQ(SplitEntry("  one\r\n\r\n two  \r\nthree"), (Texts{"one", "two  ", "three"}));
  EXPECT_EQ(SplitEntry(" \t\r\n \v\f "), Texts{});
  EXPECT_EQ(SplitEntry(""), Texts{});
  EXPECT_EQ(SplitEntry("Editor\r\nvi -R"), (Texts{"Editor", "vi -R"}));
  EXPECT_EQ(SplitEntry("a\nb\rc"), (Texts{"a", "b", "c"}));
  EXPECT_EQ(SplitEntry("single"), Texts{"single"});
  EXPECT_EQ(SplitEntry("tab\t\r\n"), Texts{"tab\t"});
}

TEST(SplitNote, ReplacesTheNoteByItsLinesAndUndoPutsItBack) {
  Document doc;
  doc.tabs.Append(Tab("Work", 0, NO_PARENT));
  NoteList& notes = doc.tabs[0].notes;
  notes.Add(NoteString{"apple", 0});
  notes.Add(NoteString{"zebra", 0});
  const auto program = static_cast<std::uint8_t>(ProgramFlags | NoPrint);
  notes.Add(NoteString{"Mail\r\nthunderbird -compose", program});
  NoteListChange split(0);
  const auto first = SplitNote(doc.tabs, split, 1);
  ASSERT_TRUE(first);
  ASSERT_EQ(notes.Count(), 4u);
  EXPECT_EQ(notes[static_cast<std::size_t>(*first)].text, "Mail");
  for (const NoteString& n : notes) EXPECT_EQ(n.flags, 0) << n.text;
  EXPECT_EQ(notes[2].text, "thunderbird -compose");
  split.Undo(doc);
  ASSERT_EQ(notes.Count(), 3u);
  EXPECT_EQ(notes[1].text, "Mail\r\nthunderbird -compose");
  EXPECT_EQ(notes[1].flags, program);
  split.Redo(doc);
  EXPECT_EQ(notes.Count(), 4u);

  notes.Add(NoteString{" \r\n\t", 0});
  const auto before = notes.Count();
  NoteListChange blank(0);
  EXPECT_FALSE(SplitNote(doc.tabs, blank, 0));  // the blank note sorts first and just goes
  EXPECT_EQ(notes.Count(), before - 1);
  NoteListChange none(0);
  EXPECT_FALSE(SplitNote(doc.tabs, none, 99));
  EXPECT_EQ(notes.Count(), before - 1);
  EXPECT_TRUE(none.Empty());
}

TEST(DeleteNoteQuestion, ShowsTheFirstThirtyCharacters) {
  EXPECT_EQ(DeleteNoteQuestion("milk"), "Delete note \"milk\"...?");
  EXPECT_EQ(DeleteNoteQuestion("123456789012345678901234567890EXTRA"),
            "Delete note \"123456789012345678901234567890\"...?");
}

TEST(FindAddedNote, BisectionFindsEveryNote) {
  NoteList notes;
  EXPECT_EQ(FindAddedNote(notes, "x"), NoAddedNote);
  const Texts texts = {"apple", "banana", "cherry", "date", "elder", "fig", "grape"};
  for (const std::string& t : texts) notes.Add(NoteString{t, 0});
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(FindAddedNote(notes, texts[i]), static_cast<std::int32_t>(i)) << texts[i];
    // Every shorter list too, so that every shape of the search is taken.
    NoteList prefix;
    for (std::size_t j = 0; j <= i; ++j) prefix.Add(NoteString{texts[j], 0});
    for (std::size_t j = 0; j <= i; ++j)
      EXPECT_EQ(FindAddedNote(prefix, texts[j]), static_cast<std::int32_t>(j));
    EXPECT_EQ(FindAddedNote(prefix, "aaa"), NoAddedNote);
    EXPECT_EQ(FindAddedNote(prefix, "zzz"), NoAddedNote);
  }
  EXPECT_EQ(FindAddedNote(notes, "BANANA"), 1);
  EXPECT_EQ(FindAddedNote(notes, "coconut"), NoAddedNote);
}

TEST(FindAddedNote, EqualTextsGiveOneOfThem) {
  NoteList notes;
  for (const char* t : {"Apple", "apple", "APPLE", "banana"}) notes.Add(NoteString{t, 0});
  const std::int32_t found = FindAddedNote(notes, "apple");
  EXPECT_GE(found, 0);
  EXPECT_LE(found, 2);
}

}  // namespace
}  // namespace zelto
