#include <gtest/gtest.h>

#include "model/DocumentCodec.h"
#include "model/TestFiles.h"
#include "model/TreeOps.h"

using namespace zelto;
using zelto::fakes::FileBytes;
using zelto::fakes::Session;

namespace {

TabInx Add(Document& doc, const std::string& name, TabInx parent = NO_PARENT) {
  return *AppendCategory(doc.tabs, name, 0, parent);
}

const Tab* Find(const Document& doc, const std::string& name) {
  for (const Tab& t : doc.tabs)
    if (t.text == name) return &t;
  return nullptr;
}

std::string ParentName(const Document& doc, const std::string& name) {
  const Tab* t = Find(doc, name);
  if (!t) return "<missing>";
  return t->parent == NO_PARENT ? "" : doc.tabs[t->parent].text;
}

std::vector<std::string> NoteTexts(const Document& doc, const std::string& name) {
  std::vector<std::string> texts;
  if (const Tab* t = Find(doc, name))
    for (const NoteString& n : t->notes) texts.push_back(n.text);
  return texts;
}

// A store that reads and writes only whole files, as stores did before files could be read
// and written piece by piece.
class WholeFileStore : public MemoryFileStore {
 public:
  // The memory store's own piecewise ways are skipped on purpose: FileStore's defaults go
  // through whole files.
  std::unique_ptr<FileReader> OpenForReading(const std::string& path) override {
    return FileStore::OpenForReading(path);  // NOLINT(bugprone-parent-virtual-call)
  }
  std::string WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                const std::function<void()>& beforeReplace) override {
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    return FileStore::WriteAtomicStream(path, content, beforeReplace);
  }
};

}  // namespace

TEST(DocumentFile, EmptyDocumentIsThe48ByteFile) {
  Session s;
  EXPECT_EQ(LoadDocument(s.env, std::string("new.zlt")), LoadResult::NewDocument);
  EXPECT_TRUE(s.ui.messages.empty());
  EXPECT_EQ(s.dialog.fileName, "new.zlt");
  EXPECT_EQ(s.dialog.filter, "Zelto files (*.zlt)|*.zlt|");
  EXPECT_EQ(s.dialog.defaultExt, "zlt");
  EXPECT_EQ(s.dialog.flags, 0x1006u);
  EXPECT_TRUE(s.doc.modified);  // the default category was created
  ASSERT_EQ(s.list.GetCount(), 1);
  EXPECT_EQ(s.list.GetSelIndex(), 0);

  EXPECT_EQ(SaveDocument(s.env), SaveResult::Saved);
  EXPECT_FALSE(s.doc.modified);
  const std::string expected =
      FileBytes().Header().U32(1).U32(0).Str32("Default").U8(0).U16(0xFFFF).U32(0).str();
  ASSERT_EQ(expected.size(), 48u);
  EXPECT_EQ(s.files.files.at("new.zlt"), expected);
  EXPECT_FALSE(s.files.Exists("new.BAK"));  // nothing to back up yet
}

TEST(DocumentFile, OlderLayoutsAndStreamsLoad) {
  // "1.00" layout: no per-category note counts; lower-case signature.
  {
    Session s;
    s.files.files["old.zlt"] = FileBytes()
                                   .U8(0x3A)
                                   .U32(257)
                                   .Str32("zelto")
                                   .Str32("1.00")
                                   .U32(2)
                                   .Str32("Default")
                                   .U8(0)
                                   .U16(0xFFFF)
                                   .Str32("Sub")
                                   .U8(0x80)
                                   .U16(0)
                                   .U32(3)
                                   .Str32("beta")
                                   .U8(1)
                                   .U16(1)
                                   .Str32("alpha")
                                   .U8(0)
                                   .U16(1)
                                   .Str32("Alpha")
                                   .U8(0)
                                   .U16(1)
                                   .str();
    EXPECT_EQ(LoadDocument(s.env, std::string("old.zlt")), LoadResult::Loaded);
    EXPECT_TRUE(s.doc.oldFormat);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_EQ(ParentName(s.doc, "Sub"), "Default");
    EXPECT_EQ(Find(s.doc, "Sub")->flags, 0x80);
    // Notes come out in text order; equal texts in the order of the file.
    EXPECT_EQ(NoteTexts(s.doc, "Sub"), (std::vector<std::string>{"alpha", "Alpha", "beta"}));
    EXPECT_EQ(s.ui.loads, 1);
  }
  // No header mark: stream version 0, u8 string lengths (255 = empty), u16 counts, N in 4 bytes.
  {
    Session s;
    s.files.files["v0.zlt"] = FileBytes()
                                  .Str8("ZELTO")
                                  .Str8("1.01")
                                  .U16(2)
                                  .U16(1)
                                  .Str8("Work")
                                  .U8(0)
                                  .U16(0xFFFF)
                                  .U16(0)
                                  .U8(255)
                                  .U8(0)
                                  .U16(0)
                                  .U32(1)
                                  .Str8("note")
                                  .U8(0)
                                  .U16(0)
                                  .str();
    EXPECT_EQ(LoadDocument(s.env, std::string("v0.zlt")), LoadResult::Loaded);
    EXPECT_FALSE(s.doc.oldFormat);
    ASSERT_EQ(s.doc.tabs.Count(), 3u);  // Work, the unnamed child, and Default appended
    EXPECT_EQ(s.doc.tabs[1].text, "");
    EXPECT_EQ(s.doc.tabs[1].parent, 0);
    EXPECT_EQ(NoteTexts(s.doc, "Work"), std::vector<std::string>{"note"});
  }
  // Stream versions 1 to 256: u32 counts, u8 string lengths.
  {
    Session s;
    s.files.files["v1.zlt"] = FileBytes()
                                  .U8(0x3A)
                                  .U32(1)
                                  .Str8("ZELTO")
                                  .Str8("1.01")
                                  .U32(1)
                                  .U32(1)
                                  .Str8("Default")
                                  .U8(0)
                                  .U16(0xFFFF)
                                  .U32(1)
                                  .Str8("x")
                                  .U8(0)
                                  .U16(0)
                                  .str();
    EXPECT_EQ(LoadDocument(s.env, std::string("v1.zlt")), LoadResult::Loaded);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_EQ(NoteTexts(s.doc, "Default"), std::vector<std::string>{"x"});
  }
  // Stream version 257: a length of 0xFFFFFFFF is an empty text.
  {
    Session s;
    s.files.files["e.zlt"] = FileBytes()
                                 .Header()
                                 .U32(1)
                                 .U32(1)
                                 .Str32("Default")
                                 .U8(0)
                                 .U16(0xFFFF)
                                 .U32(1)
                                 .U32(0xFFFFFFFF)
                                 .U8(0)
                                 .U16(0)
                                 .str();
    EXPECT_EQ(LoadDocument(s.env, std::string("e.zlt")), LoadResult::Loaded);
    EXPECT_EQ(NoteTexts(s.doc, "Default"), std::vector<std::string>{""});
  }
}

TEST(DocumentFile, VersionStringSelectsLayout) {
  for (const char* v : {"1.01", "1.1", "2.00", " 1.5x", "10"})
    EXPECT_EQ(LayoutOfVersion(v), FileLayout::V101) << v;
  for (const char* v : {"1.00", "0.9", "abc", "", "1.009", "-2"})
    EXPECT_EQ(LayoutOfVersion(v), FileLayout::V100) << v;

  // The layout decides whether note counts are read: a "1.1" file has them.
  Session s;
  s.files.files["a.zlt"] =
      FileBytes().Header("1.1").U32(1).U32(0).Str32("Default").U8(0).U16(0xFFFF).U32(0).str();
  EXPECT_EQ(LoadDocument(s.env, std::string("a.zlt")), LoadResult::Loaded);
  EXPECT_FALSE(s.doc.oldFormat);
}

TEST(DocumentFile, OldFormatAsksAndNoWritesTheOldLayout) {
  Session s;
  s.files.files["old.zlt"] = FileBytes()
                                 .Header("1.00")
                                 .U32(1)
                                 .Str32("Default")
                                 .U8(0)
                                 .U16(0xFFFF)
                                 .U32(1)
                                 .Str32("n")
                                 .U8(0)
                                 .U16(0)
                                 .str();
  ASSERT_EQ(LoadDocument(s.env, std::string("old.zlt")), LoadResult::Loaded);
  ASSERT_TRUE(s.doc.oldFormat);

  s.ui.answers = {false};
  EXPECT_EQ(SaveDocument(s.env), SaveResult::Saved);
  ASSERT_EQ(s.ui.questions, std::vector<std::string>{"Save file in Brindamor 1.01 format?"});
  EXPECT_EQ(s.files.files.at("old.zlt"), FileBytes()
                                             .Header("1.00")
                                             .U32(1)
                                             .Str32("Default")
                                             .U8(0)
                                             .U16(0xFFFF)
                                             .U32(1)
                                             .Str32("n")
                                             .U8(0)
                                             .U16(0)
                                             .str());
  EXPECT_TRUE(s.doc.oldFormat);  // asked again at the next save

  s.ui.answers = {true};
  EXPECT_EQ(SaveDocument(s.env), SaveResult::Saved);
  EXPECT_EQ(s.ui.questions.size(), 2u);
  EXPECT_EQ(s.files.files.at("old.zlt").substr(18, 4), "1.01");
  // A 1.01 file loaded clears the flag: no more questions.
  ASSERT_EQ(LoadDocument(s.env), LoadResult::Loaded);
  EXPECT_FALSE(s.doc.oldFormat);
  SaveDocument(s.env);
  EXPECT_EQ(s.ui.questions.size(), 2u);
}

TEST(DocumentFile, TextsFlagsAndTreeRoundTrip) {
  Session s;
  const TabInx work = Add(s.doc, "Work");
  Add(s.doc, "Default");
  const TabInx plans = Add(s.doc, "Pl\xE4ne", work);
  s.doc.tabs[plans].flags = NoPrint;
  const std::string multi = "first line\r\nsecond \xE9\xFF line\r\n";
  s.doc.tabs[plans].notes.Add(NoteString{multi, 0});
  s.doc.tabs[plans].notes.Add(NoteString{"Run\r\n/usr/bin/prog -x", 0x81});
  s.doc.tabs[work].notes.Add(NoteString{"odd bits", 0x7C});
  s.doc.tabs[work].notes.Add(NoteString{"", 0});

  ASSERT_EQ(SaveDocument(s.env, std::string("t.zlt")), SaveResult::Saved);
  Session r;
  r.files.files = s.files.files;
  ASSERT_EQ(LoadDocument(r.env, std::string("t.zlt")), LoadResult::Loaded);
  EXPECT_FALSE(r.doc.modified);
  ASSERT_EQ(r.doc.tabs.Count(), 3u);  // load keeps the file's order and adds nothing
  EXPECT_EQ(ParentName(r.doc, "Pl\xE4ne"), "Work");
  EXPECT_EQ(Find(r.doc, "Pl\xE4ne")->flags, NoPrint);
  EXPECT_EQ(NoteTexts(r.doc, "Pl\xE4ne"),
            (std::vector<std::string>{multi, "Run\r\n/usr/bin/prog -x"}));
  EXPECT_EQ(Find(r.doc, "Pl\xE4ne")->notes[1].flags, 0x81);
  EXPECT_EQ(NoteTexts(r.doc, "Work"), (std::vector<std::string>{"", "odd bits"}));
  EXPECT_EQ(Find(r.doc, "Work")->notes[1].flags, 0x7C);
  // Saved again unchanged, the bytes are the same.
  ASSERT_EQ(SaveDocument(r.env), SaveResult::Saved);
  EXPECT_EQ(r.files.files.at("t.zlt"), s.files.files.at("t.zlt"));
}

TEST(DocumentFile, CutSubtreeIsLeftOutAndOtherParentsStayRight) {
  Session s;
  const TabInx alpha = Add(s.doc, "Alpha");
  const TabInx box = Add(s.doc, "Box");
  const TabInx zed = Add(s.doc, "Zed");
  Add(s.doc, "Default");
  const TabInx a1 = Add(s.doc, "a1", box);
  const TabInx a2 = Add(s.doc, "a2", box);
  const TabInx z1 = Add(s.doc, "z1", zed);
  const TabInx deep = Add(s.doc, "deep", z1);
  Add(s.doc, "al", alpha);
  s.doc.tabs[a1].notes.Add(NoteString{"cut note", 0});
  s.doc.tabs[a2].notes.Add(NoteString{"cut note 2", 0});
  s.doc.tabs[box].notes.Add(NoteString{"cut note 3", 0});
  s.doc.tabs[deep].notes.Add(NoteString{"kept", 0});
  FillLevel(s.doc.tabs, NO_PARENT, s.list);
  s.list.SetSelIndex(0);
  s.doc.tabs[box].state = TabState::Cut;
  s.doc.cutPending = true;
  SortCategories(s.doc, s.list);

  ASSERT_EQ(SaveDocument(s.env, std::string("c.zlt")), SaveResult::Saved);
  EXPECT_EQ(s.doc.tabs.Count(), 9u);  // the document itself keeps the cut subtree
  Session r;
  r.files.files = s.files.files;
  ASSERT_EQ(LoadDocument(r.env, std::string("c.zlt")), LoadResult::Loaded);
  EXPECT_EQ(r.doc.tabs.Count(), 6u);
  for (const char* gone : {"Box", "a1", "a2"}) EXPECT_EQ(Find(r.doc, gone), nullptr) << gone;
  EXPECT_EQ(ParentName(r.doc, "z1"), "Zed");
  EXPECT_EQ(ParentName(r.doc, "deep"), "z1");
  EXPECT_EQ(ParentName(r.doc, "al"), "Alpha");
  EXPECT_EQ(NoteTexts(r.doc, "deep"), std::vector<std::string>{"kept"});
  for (const Tab& t : r.doc.tabs)
    for (const NoteString& n : t.notes) EXPECT_EQ(n.text.find("cut"), std::string::npos);
}

TEST(DocumentFile, DefaultCategoryRule) {
  // Only as a sub-category: a top-level one is appended last, and the document changed.
  {
    Session s;
    s.files.files["d.zlt"] = FileBytes()
                                 .Header()
                                 .U32(2)
                                 .U32(0)
                                 .Str32("Home")
                                 .U8(0)
                                 .U16(0xFFFF)
                                 .U32(0)
                                 .Str32("Default")
                                 .U8(0)
                                 .U16(0)
                                 .U32(0)
                                 .str();
    EXPECT_EQ(LoadDocument(s.env, std::string("d.zlt")), LoadResult::Loaded);
    ASSERT_EQ(s.doc.tabs.Count(), 3u);
    EXPECT_EQ(s.doc.tabs[2].text, "Default");
    EXPECT_TRUE(s.doc.tabs[2].IsTopLevel());
    EXPECT_TRUE(s.doc.modified);
    EXPECT_EQ(s.list.GetString(s.list.GetSelIndex()), "Default");
    EXPECT_EQ(s.list.SelectedCategory(), 2);
  }
  // At top level (in other letter case): nothing added, unchanged, and it is selected.
  {
    Session s;
    s.files.files["d.zlt"] = FileBytes()
                                 .Header()
                                 .U32(2)
                                 .U32(0)
                                 .Str32("DEFAULT")
                                 .U8(0)
                                 .U16(0xFFFF)
                                 .U32(0)
                                 .Str32("Aardvark")
                                 .U8(0)
                                 .U16(0xFFFF)
                                 .U32(0)
                                 .str();
    s.doc.modified = true;
    EXPECT_EQ(LoadDocument(s.env, std::string("d.zlt")), LoadResult::Loaded);
    EXPECT_EQ(s.doc.tabs.Count(), 2u);
    EXPECT_FALSE(s.doc.modified);
    EXPECT_EQ(s.list.SelectedCategory(), 0);
  }
}

TEST(DocumentFile, StoreOfWholeFilesLoadsAndSavesTheSame) {
  Session s;
  const TabInx work = Add(s.doc, "Work");
  s.doc.tabs[work].notes.Add(NoteString{"note", 0});
  ASSERT_EQ(SaveDocument(s.env, std::string("a.zlt")), SaveResult::Saved);

  WholeFileStore whole;
  whole.files = s.files.files;
  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog;
  DocumentEnv env{doc, list, dialog, s.ui, whole, "Work"};
  ASSERT_EQ(LoadDocument(env, std::string("a.zlt")), LoadResult::Loaded);
  ASSERT_EQ(SaveDocument(env, std::string("b.zlt")), SaveResult::Saved);
  EXPECT_EQ(whole.files.at("b.zlt"), s.files.files.at("a.zlt"));
  whole.fault = MemoryFileStore::WriteFault::AtReplace;
  EXPECT_EQ(SaveDocument(env, std::string("b.zlt")), SaveResult::Failed);
}

TEST(DocumentFile, NotesOfTheAddedDefaultCategoryGoIntoIt) {
  // One category in the file; two notes name category 1, where the load adds Default.
  const std::string bytes = FileBytes()
                                .Header()
                                .U32(1)
                                .U32(1)
                                .Str32("Home")
                                .U8(0)
                                .U16(0xFFFF)
                                .U32(3)
                                .Str32("kept b")
                                .U8(NoPrint)
                                .U16(1)
                                .Str32("at home")
                                .U8(0)
                                .U16(0)
                                .Str32("kept a")
                                .U8(0)
                                .U16(1)
                                .str();
  {
    Session s;
    s.files.files["d.zlt"] = bytes;
    EXPECT_EQ(LoadDocument(s.env, std::string("d.zlt")), LoadResult::Loaded);
    ASSERT_EQ(s.doc.tabs.Count(), 2u);
    EXPECT_EQ(s.doc.tabs[1].text, "Default");
    ASSERT_EQ(s.doc.tabs[1].notes.Count(), 2u);
    EXPECT_EQ(s.doc.tabs[1].notes[0].text, "kept a");  // in text order
    EXPECT_EQ(s.doc.tabs[1].notes[1].flags, NoPrint);
    EXPECT_EQ(s.doc.tabs[0].notes.Count(), 1u);
    EXPECT_TRUE(s.ui.messages.empty());
  }
  // With a Default already in the file nothing is added: the two notes have no category.
  {
    Session s;
    s.env.defaultCat = "Home";
    s.files.files["d.zlt"] = bytes;
    EXPECT_EQ(LoadDocument(s.env, std::string("d.zlt")), LoadResult::Damaged);
    EXPECT_EQ(s.doc.tabs.Count(), 1u);
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_NE(s.ui.messages[0].find("2 notes without a valid category"), std::string::npos);
  }
}

TEST(DocumentFile, WriteFailureKeepsPreviousFileAndModified) {
  for (auto fault :
       {MemoryFileStore::WriteFault::BeforeWrite, MemoryFileStore::WriteFault::DuringWrite,
        MemoryFileStore::WriteFault::AtReplace}) {
    Session s;
    s.files.faultAfterBytes = 20;  // part of the header
    s.files.files["w.zlt"] = "previous";
    s.files.files["w.BAK"] = "older";
    s.dialog.fileName = "w.zlt";
    Add(s.doc, "Default");
    s.doc.modified = true;
    s.files.fault = fault;
    s.files.faultReason = "No space left on device";

    EXPECT_EQ(SaveDocument(s.env), SaveResult::Failed);
    EXPECT_EQ(s.files.files.at("w.zlt"), "previous");
    EXPECT_TRUE(s.doc.modified);
    EXPECT_EQ(s.ui.messages,
              std::vector<std::string>{"Could not save w.zlt: No space left on device"});
  }
  // A failed Save As leaves the document bound to its previous name.
  Session s;
  s.dialog.fileName = "mine.zlt";
  s.files.fault = MemoryFileStore::WriteFault::BeforeWrite;
  EXPECT_EQ(SaveDocument(s.env, std::string("/readonly/other.zlt")), SaveResult::Failed);
  EXPECT_EQ(s.dialog.fileName, "mine.zlt");
}

TEST(DocumentFile, SaveWithoutNameAsksAndCancelWritesNothing) {
  Session s;
  Add(s.doc, "Default");
  s.doc.modified = true;
  EXPECT_EQ(SaveDocument(s.env), SaveResult::Cancelled);
  EXPECT_TRUE(s.files.files.empty());
  EXPECT_TRUE(s.doc.modified);
  ASSERT_EQ(s.ui.dialogs.size(), 1u);
  EXPECT_EQ(s.ui.dialogs[0].flags, 0x1006u);

  s.ui.names = {std::string("chosen.zlt")};
  EXPECT_EQ(SaveDocument(s.env), SaveResult::Saved);
  EXPECT_EQ(s.dialog.fileName, "chosen.zlt");
  EXPECT_TRUE(s.files.Exists("chosen.zlt"));
}

TEST(DocumentFile, BackupNames) {
  EXPECT_EQ(BackupName("C:\\notes\\work.zlt"), "C:\\notes\\work.BAK");
  EXPECT_EQ(BackupName("C:\\my.files\\work.zlt"), "C:\\my.files\\work.BAK");
  EXPECT_EQ(BackupName("/home/u/my.files/work.zlt"), "/home/u/my.files/work.BAK");
  EXPECT_EQ(BackupName("C:\\notes\\work"), "C:\\notes\\work.BAK");
  EXPECT_EQ(BackupName("/my.files/work"), "/my.files/work.BAK");
  EXPECT_EQ(BackupName("work.zlt"), "work.BAK");
  EXPECT_EQ(BackupName("work"), "work.BAK");
  EXPECT_EQ(BackupName(".notes"), ".notes.BAK");
  EXPECT_EQ(BackupName("/home/u/.notes"), "/home/u/.notes.BAK");
  EXPECT_EQ(BackupName("a.b.zlt"), "a.b.BAK");
}

TEST(DocumentFile, SaveMovesPreviousFileToBackup) {
  Session s;
  s.files.files["/d/my.files/work.zlt"] = "previous";
  s.files.files["/d/my.files/work.BAK"] = "older";
  s.dialog.fileName = "/d/my.files/work.zlt";
  Add(s.doc, "Default");
  EXPECT_EQ(SaveDocument(s.env), SaveResult::Saved);
  EXPECT_EQ(s.files.files.at("/d/my.files/work.BAK"), "previous");
  EXPECT_EQ(s.files.files.count("/d/my.BAK"), 0u);

  // With no previous file, an older backup is not thrown away.
  Session n;
  n.files.files["new.BAK"] = "older";
  EXPECT_EQ(SaveDocument(n.env, std::string("new.zlt")), SaveResult::Saved);
  EXPECT_EQ(n.files.files.at("new.BAK"), "older");

  // A document that is its own backup name is not deleted before the new one is written.
  Session b;
  b.files.files["x.BAK"] = "previous";
  b.files.fault = MemoryFileStore::WriteFault::AtReplace;
  EXPECT_EQ(SaveDocument(b.env, std::string("x.BAK")), SaveResult::Failed);
  EXPECT_EQ(b.files.files.at("x.BAK"), "previous");
}

TEST(DocumentFile, RefusedFileChangesNothing) {
  Session s;
  Add(s.doc, "Mine");
  s.dialog.fileName = "mine.zlt";
  s.doc.modified = true;
  s.doc.oldFormat = true;
  s.files.files["photo.jpg"] = "\xFF\xD8\xFF\xE0 not a document";
  s.files.files["short.zlt"] = FileBytes().U8(0x3A).U32(257).Str32("ZEL").str();
  s.files.files["empty.zlt"] = "";
  s.files.files["locked.zlt"] = "unreadable";
  s.files.unreadable.insert("locked.zlt");
  for (const char* name : {"photo.jpg", "short.zlt", "empty.zlt", "locked.zlt"}) {
    EXPECT_EQ(LoadDocument(s.env, std::string(name)), LoadResult::NotZelto) << name;
    EXPECT_EQ(s.dialog.fileName, "mine.zlt");
    ASSERT_EQ(s.doc.tabs.Count(), 1u);
    EXPECT_EQ(s.doc.tabs[0].text, "Mine");
    EXPECT_TRUE(s.doc.modified);
    EXPECT_TRUE(s.doc.oldFormat);
  }
  // A document whose reading fails part way is refused too, not taken for a damaged one.
  TabList lost;
  AppendCategory(lost, "Lost", 0, NO_PARENT);
  s.files.files["failing.zlt"] = EncodeDocument(lost, FileLayout::V101);  // 45 bytes
  s.files.readFailsAfter = 40;
  EXPECT_EQ(LoadDocument(s.env, std::string("failing.zlt")), LoadResult::NotZelto);
  EXPECT_EQ(s.doc.tabs[0].text, "Mine");
  EXPECT_EQ(s.dialog.fileName, "mine.zlt");
  s.files.readFailsAfter = std::string::npos;
  EXPECT_EQ(s.ui.messages,
            (std::vector<std::string>{"Not a Brindamor data file!", "Not a Brindamor data file!",
                                      "Not a Brindamor data file!", "Could not read locked.zlt.",
                                      "Could not read failing.zlt."}));
  EXPECT_EQ(SaveDocument(s.env), SaveResult::Saved);
  EXPECT_EQ(s.files.files.at("photo.jpg"), "\xFF\xD8\xFF\xE0 not a document");
}

TEST(DocumentFile, MissingFileGivesNewDocumentKeepingOldFormatFlag) {
  Session s;
  s.doc.oldFormat = true;
  Add(s.doc, "Leftover");
  s.doc.cutPending = true;
  EXPECT_EQ(LoadDocument(s.env, std::string("nothing-here.zlt")), LoadResult::NewDocument);
  EXPECT_TRUE(s.ui.messages.empty());
  EXPECT_TRUE(s.doc.oldFormat);
  EXPECT_FALSE(s.doc.cutPending);
  ASSERT_EQ(s.doc.tabs.Count(), 1u);
  EXPECT_EQ(s.doc.tabs[0].text, "Default");
}

// Damaged files: what was read completely is kept, nothing is invented, the user is told.
TEST(DocumentFile, DamagedFilesKeepCompleteRecords) {
  const std::string full = FileBytes()
                               .Header()
                               .U32(3)
                               .U32(1)
                               .Str32("Default")
                               .U8(0)
                               .U16(0xFFFF)
                               .U32(1)
                               .Str32("Work")
                               .U8(0)
                               .U16(0xFFFF)
                               .U32(0)
                               .Str32("Sub")
                               .U8(0)
                               .U16(1)
                               .U32(2)
                               .Str32("first")
                               .U8(0)
                               .U16(0)
                               .Str32("second")
                               .U8(0)
                               .U16(1)
                               .str();
  // Cut inside the last note: both categories sections and the first note survive.
  {
    Session s;
    s.files.files["f.zlt"] = full.substr(0, full.size() - 3);
    EXPECT_EQ(LoadDocument(s.env, std::string("f.zlt")), LoadResult::Damaged);
    EXPECT_EQ(s.doc.tabs.Count(), 3u);
    EXPECT_EQ(NoteTexts(s.doc, "Default"), std::vector<std::string>{"first"});
    EXPECT_TRUE(NoteTexts(s.doc, "Work").empty());
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0],
              "The file f.zlt is damaged. Only part of it could be read. Its original content is "
              "kept as f.damaged.zlt.");
    EXPECT_EQ(s.dialog.fileName, "f.zlt");
    EXPECT_EQ(s.ui.loads, 1);
  }
  // Cut inside the third category record: two categories, no notes.
  {
    Session s;
    const std::size_t cut = full.find("Sub") + 1;
    s.files.files["f.zlt"] = full.substr(0, cut);
    EXPECT_EQ(LoadDocument(s.env, std::string("f.zlt")), LoadResult::Damaged);
    ASSERT_EQ(s.doc.tabs.Count(), 2u);
    EXPECT_EQ(s.doc.tabs[1].text, "Work");
    for (const Tab& t : s.doc.tabs) EXPECT_TRUE(t.notes.Empty());
  }
  // Counts and lengths far beyond the file: refused without allocating for them.
  for (const std::string& bytes :
       {FileBytes().Header().U32(0xFFFFFFFF).U32(0).Str32("x").U8(0).U16(0xFFFF).str(),
        FileBytes().Header().U32(1).U32(0).U32(0x7FFFFFFF).Raw("abc").str(),
        FileBytes().Header().U32(0).U32(0xFFFFFFFF).Str32("n").U8(0).U16(0).str()}) {
    Session s;
    s.files.files["f.zlt"] = bytes;
    EXPECT_EQ(LoadDocument(s.env, std::string("f.zlt")), LoadResult::Damaged);
    EXPECT_LE(s.doc.tabs.Count(), 2u);
  }
}

TEST(DocumentFile, BrokenLinksAreRepaired) {
  Session s;
  s.files.files["l.zlt"] = FileBytes()
                               .Header()
                               .U32(5)
                               .U32(0)
                               .Str32("Default")
                               .U8(0)
                               .U16(0xFFFF)
                               .U32(1)
                               .Str32("Orphan")
                               .U8(0)
                               .U16(77)  // parent out of range
                               .U32(1)
                               .Str32("LoopA")
                               .U8(0)
                               .U16(3)  // LoopA <-> LoopB
                               .U32(1)
                               .Str32("LoopB")
                               .U8(0)
                               .U16(2)
                               .U32(0)
                               .Str32("Self")
                               .U8(0)
                               .U16(4)  // its own parent
                               .U32(5)
                               .Str32("o")
                               .U8(0)
                               .U16(1)
                               .Str32("a")
                               .U8(0)
                               .U16(2)
                               .Str32("b")
                               .U8(0)
                               .U16(3)
                               .Str32("lost")
                               .U8(0)
                               .U16(5)  // no such category
                               .Str32("gone")
                               .U8(0)
                               .U16(0xFFFF)
                               .str();
  EXPECT_EQ(LoadDocument(s.env, std::string("l.zlt")), LoadResult::Damaged);
  ASSERT_EQ(s.doc.tabs.Count(), 5u);
  EXPECT_EQ(ParentName(s.doc, "Orphan"), "");
  EXPECT_EQ(ParentName(s.doc, "Self"), "");
  // The loop is cut at one place; both stay reachable from the top.
  EXPECT_NE(ParentName(s.doc, "LoopA").empty(), ParentName(s.doc, "LoopB").empty());
  const auto live = LiveCategories(s.doc.tabs);
  for (std::size_t i = 0; i < live.size(); ++i) EXPECT_TRUE(live[i]) << s.doc.tabs[i].text;
  EXPECT_EQ(NoteTexts(s.doc, "Orphan"), std::vector<std::string>{"o"});
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0],
            "The file l.zlt is damaged. 3 categories without a valid parent were moved to the "
            "top level. 2 notes without a valid category were left out. Its original content "
            "is kept as l.damaged.zlt.");
}

TEST(DocumentFile, TheDamagedOriginalIsKeptWhereNoSaveReachesIt) {
  const std::string damaged = FileBytes().Header().U32(2).U32(0).Str32("Default").str();
  Session s;
  s.files.files["work.zlt"] = damaged;
  s.files.files["work.damaged.zlt"] = "an earlier, different damage";
  ASSERT_EQ(LoadDocument(s.env, std::string("work.zlt")), LoadResult::Damaged);
  EXPECT_EQ(s.files.files.at("work.damaged.2.zlt"), damaged);
  EXPECT_NE(s.ui.messages.back().find("kept as work.damaged.2.zlt."), std::string::npos);

  // Two saves move the damaged file to the backup and then replace it; the copy stays.
  for (const char* note : {"first", "second"}) {
    s.doc.tabs[0].notes.Add(NoteString{note, 0});
    ASSERT_EQ(SaveDocument(s.env), SaveResult::Saved);
  }
  EXPECT_EQ(s.files.files.at("work.damaged.2.zlt"), damaged);
  EXPECT_EQ(s.files.files.at("work.damaged.zlt"), "an earlier, different damage");

  // Opening the same damaged bytes again keeps no second copy.
  s.files.files["again.zlt"] = damaged;
  s.files.files["again.damaged.zlt"] = damaged;
  const auto count = s.files.files.size();
  ASSERT_EQ(LoadDocument(s.env, std::string("again.zlt")), LoadResult::Damaged);
  EXPECT_EQ(s.files.files.size(), count);

  // Without a copy, the document is not bound to the damaged file: a save asks for a name.
  Session f;
  f.files.files["work.zlt"] = damaged;
  f.files.fault = MemoryFileStore::WriteFault::BeforeWrite;
  ASSERT_EQ(LoadDocument(f.env, std::string("work.zlt")), LoadResult::Damaged);
  EXPECT_NE(f.ui.messages.back().find("could not be kept aside (Disk full)"), std::string::npos);
  EXPECT_EQ(f.dialog.fileName, "");
  f.files.fault = MemoryFileStore::WriteFault::None;
  EXPECT_EQ(SaveDocument(f.env), SaveResult::Cancelled);
  EXPECT_EQ(f.files.files.at("work.zlt"), damaged);
}

TEST(DocumentFile, DamagedCopyNames) {
  EXPECT_EQ(DamagedCopyName("/notes/work.zlt", 1), "/notes/work.damaged.zlt");
  EXPECT_EQ(DamagedCopyName("/notes/work.zlt", 3), "/notes/work.damaged.3.zlt");
  EXPECT_EQ(DamagedCopyName("/my.files/work", 1), "/my.files/work.damaged");
}
