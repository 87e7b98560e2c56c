// Saving a document opened through a symbolic link, on a real disk.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "model/DocumentCodec.h"
#include "model/TreeOps.h"
#include "platform/DiskSession.h"

namespace zelto {
namespace {

namespace fs = std::filesystem;

class SaveThroughLinksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    root = fs::path(dir.path().toStdString());
    fs::create_directories(root / "docs");
    fs::create_directories(root / "elsewhere");
  }
  std::string At(const char* relative) const { return (root / relative).string(); }
  std::string Read(const char* relative) {
    return files.ReadAll(At(relative)).value_or("<missing>");
  }
  // A document file holding one note.
  static std::string DocumentWith(const std::string& note) {
    TabList tabs;
    tabs.Append(Tab("Default", 0, NO_PARENT));
    tabs[0].notes.Add(NoteString{note, 0});
    return EncodeDocument(tabs, FileLayout::V101);
  }
  // Opens `name`, adds a note and saves.
  SaveResult OpenChangeSave(const std::string& name) {
    EXPECT_EQ(LoadDocument(env, name), LoadResult::Loaded);
    doc.tabs[0].notes.Add(NoteString{"added", 0});
    doc.modified = true;
    return SaveDocument(env);
  }

  QTemporaryDir dir;
  fs::path root;
  fakes::DiskSession session;
  QtFileStore& files = session.files;
  Document& doc = session.doc;
  FileDialogData& dialog = session.dialog;
  fakes::FakeUi& ui = session.ui;
  DocumentEnv& env = session.env;
};

TEST_F(SaveThroughLinksTest, TheLinkStaysAndTheFileItPointsToIsReplaced) {
  struct Case {
    const char* link;
    std::vector<std::pair<const char*, const char*>> links;  // link, target as stored
    const char* target;
    const char* backup;
  };
  const Case cases[] = {
      {"docs/notes.zlt", {{"docs/notes.zlt", "real.zlt"}}, "docs/real.zlt", "docs/real.BAK"},
      {"docs/chain.zlt",
       {{"docs/notes.zlt", "real.zlt"}, {"docs/chain.zlt", "notes.zlt"}},
       "docs/real.zlt",
       "docs/real.BAK"},
      {"docs/away.zlt",
       {{"docs/away.zlt", "../elsewhere/work.zlt"}},
       "elsewhere/work.zlt",
       "elsewhere/work.BAK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link);
    fs::remove_all(root / "docs");
    fs::remove_all(root / "elsewhere");
    fs::create_directories(root / "docs");
    fs::create_directories(root / "elsewhere");
    const std::string before = DocumentWith("before");
    ASSERT_EQ(files.WriteAtomic(At(c.target), before), "");
    for (const auto& [link, target] : c.links) fs::create_symlink(target, root / link);

    ASSERT_EQ(OpenChangeSave(At(c.link)), SaveResult::Saved);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(fs::is_symlink(root / c.link));
    EXPECT_EQ(fs::canonical(root / c.link), fs::canonical(root / c.target));
    EXPECT_EQ(Read(c.backup), before);
    EXPECT_EQ(Read(c.link), EncodeDocument(doc.tabs, FileLayout::V101));
    EXPECT_EQ(dialog.fileName, At(c.link));  // the document keeps the name it was opened by
    for (const auto& [link, target] : c.links) EXPECT_FALSE(fs::exists(BackupName(At(link))));

    // A second save backs up the first one, in the same place.
    const std::string first = Read(c.target);
    doc.modified = true;
    ASSERT_EQ(SaveDocument(env), SaveResult::Saved);
    EXPECT_EQ(Read(c.backup), first);
    EXPECT_TRUE(fs::is_symlink(root / c.link));
  }
}

TEST_F(SaveThroughLinksTest, ADanglingLinkIsRefusedAndTheChangesStay) {
  fs::create_symlink("missing.zlt", root / "docs/gone.zlt");
  doc.tabs.Append(Tab("Default", 0, NO_PARENT));
  doc.modified = true;
  EXPECT_EQ(SaveDocument(env, At("docs/gone.zlt")), SaveResult::Failed);
  EXPECT_TRUE(doc.modified);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("Could not save " + At("docs/gone.zlt") + ": ", 0), 0u)
      << ui.messages[0];
  EXPECT_FALSE(fs::exists(root / "docs/missing.zlt"));
  EXPECT_TRUE(fs::is_symlink(root / "docs/gone.zlt"));
  EXPECT_EQ(dialog.fileName, "");  // not bound to a name that cannot be saved
}

}  // namespace
}  // namespace zelto
