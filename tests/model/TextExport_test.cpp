#include "model/TextExport.h"

#include <gtest/gtest.h>

#include "model/Corpus.h"
#include "model/TestFiles.h"
#include "model/TreeOps.h"

using namespace zelto;

namespace {

const std::string Sep = "------------------------------------------------";

TabInx Add(TabList& tabs, const std::string& name, TabInx parent = NO_PARENT) {
  return *AppendCategory(tabs, name, 0, parent);
}

// The export split at CR LF; fails when any LF has no CR before it.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
    EXPECT_TRUE(lf > 0 && text[lf - 1] == '\r') << "bare LF at " << lf;
    lines.push_back(text.substr(start, lf - 1 - start));
    start = lf + 1;
  }
  EXPECT_EQ(start, text.size()) << "last line without CR LF";
  return lines;
}

}  // namespace

TEST(TextExport, WorkAndPlansExampleLineByLine) {
  TabList tabs;
  const TabInx work = Add(tabs, "Work");
  Add(tabs, "Plans", work);
  tabs[work].notes.Add(NoteString{"b", 0});
  tabs[work].notes.Add(NoteString{"A", 0});
  EXPECT_EQ(Lines(ExportText(tabs)), (std::vector<std::string>{Sep, "/Work", Sep, "A", "b", Sep,
                                                               "/Work/Plans", Sep, "", ""}));
  EXPECT_EQ(ExportText(TabList()), "");
}

TEST(TextExport, OnlyLiveCategoriesInTabListOrder) {
  TabList tabs;
  const TabInx a = Add(tabs, "A");
  const TabInx cut = Add(tabs, "Cut");
  const TabInx b = Add(tabs, "B");
  Add(tabs, "under cut", cut);
  Add(tabs, "b2", b);
  Add(tabs, "a/x", a);  // a '/' in a name is written as it is
  Add(tabs, "orphan", 999);
  tabs[cut].state = TabState::Cut;
  tabs[cut].notes.Add(NoteString{"hidden", 0});
  tabs[b].notes.Add(NoteString{"Prog\r\n/bin/x", 0x81});  // kind and NoPrint do not matter
  EXPECT_EQ(Lines(ExportText(tabs)),
            (std::vector<std::string>{Sep, "/A", Sep, Sep, "/A/a/x", Sep, "", "", Sep, "/B", Sep,
                                      "Prog", "/bin/x", Sep, "/B/b2", Sep, "", ""}));
}

TEST(TextExport, LineBreaksBecomeOneCrLf) {
  TabList tabs;
  const TabInx t = Add(tabs, "T");
  tabs[t].notes.Add(NoteString{"one\r\ntwo\nthree\r\n", 0});
  const std::string out = ExportText(tabs);
  EXPECT_EQ(out.find("\r\r\n"), std::string::npos);
  EXPECT_NE(out.find("one\r\ntwo\r\nthree\r\n\r\n"), std::string::npos);
  Lines(out);
}

TEST(TextExport, SaveAsTextAsksWritesAndReportsFailure) {
  TabList tabs;
  Add(tabs, "Work");
  fakes::FakeUi ui;
  MemoryFileStore files;
  FileDialogData dialog;
  EXPECT_EQ(SaveAsText(tabs, dialog, ui, files), SaveResult::Cancelled);
  EXPECT_TRUE(files.files.empty());
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].filter, "Text files (*.txt)|*.txt|");
  EXPECT_EQ(ui.dialogs[0].defaultExt, "txt");
  EXPECT_EQ(ui.dialogs[0].flags, 14u);

  ui.names = {std::string("out.txt")};
  EXPECT_EQ(SaveAsText(tabs, dialog, ui, files), SaveResult::Saved);
  EXPECT_EQ(files.files.at("out.txt"), ExportText(tabs));
  // The second export offers the first one's name; failing part way, it leaves the first.
  ui.names = {std::string("out.txt")};
  tabs[0].notes.Add(NoteString{"added", 0});
  files.fault = MemoryFileStore::WriteFault::DuringWrite;
  files.faultAfterBytes = 60;
  files.faultReason = "Permission denied";
  EXPECT_EQ(SaveAsText(tabs, dialog, ui, files), SaveResult::Failed);
  EXPECT_EQ(ui.dialogs.back().fileName, "out.txt");
  EXPECT_EQ(files.files.at("out.txt").find("added"), std::string::npos);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Could not save out.txt: Permission denied"});
}

// The command-line export reads the file in place; it writes what the export of the loaded
// document writes, for damaged files too.
TEST(TextExport, FileReadInPlaceExportsAsTheLoadedDocument) {
  for (const auto& [name, bytes] : fakes::CorpusFiles()) {
    SCOPED_TRACE(name);
    fakes::Session s;
    s.files.files["f.zlt"] = bytes;
    const LoadResult loaded = LoadDocument(s.env, std::string("f.zlt"));
    DocumentImage image(bytes);
    ASSERT_EQ(image.Report().isZelto, loaded != LoadResult::NotZelto);
    if (loaded == LoadResult::NotZelto) continue;
    image.EnsureTopLevelCategory("Default");
    EXPECT_EQ(image.Report().Damaged(), loaded == LoadResult::Damaged);
    std::string text;
    StringSink sink(text);
    BufferedWriter out(sink, 7);  // blocks smaller than most lines
    WriteExportText(image, out);
    EXPECT_TRUE(out.Flush());
    EXPECT_EQ(text, ExportText(s.doc.tabs));
  }
}
