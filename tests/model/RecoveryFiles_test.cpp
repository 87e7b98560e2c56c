#include "model/RecoveryFiles.h"

#include <gtest/gtest.h>

#include "model/DocumentCodec.h"
#include "model/RecoveryCopy.h"
#include "model/TestFiles.h"

namespace zelto {
namespace {

class RecoveryFilesTest : public ::testing::Test {
 protected:
  static constexpr const char* Doc = "/docs/work.zlt";

  void SetUp() override {
    // The file on disk holds "saved"; the copy holds "saved" and "unsaved".
    s.files.files[Doc] = Bytes({"saved"});
    ASSERT_EQ(recovery.Write(Tabs({"saved", "unsaved"}), Doc), "");
  }
  static TabList Tabs(std::initializer_list<const char*> notes) {
    TabList tabs;
    tabs.Append(Tab("Default", 0, NO_PARENT));
    for (const char* note : notes) tabs[0].notes.Add(NoteString{note, 0});
    return tabs;
  }
  static std::string Bytes(std::initializer_list<const char*> notes) {
    return EncodeDocument(Tabs(notes), FileLayout::V101);
  }
  std::vector<std::string> Notes() const {
    std::vector<std::string> texts;
    for (const NoteString& n : s.doc.tabs[0].notes) texts.push_back(n.text);
    return texts;
  }
  RecoveryOffer Open(const std::string& path, bool restore) {
    s.ui.answers = {restore};
    LoadDocument(s.env, path);
    return OfferRecoveryCopy(s.env, recovery, path);
  }
  std::string Copy() const { return "/rec/" + RecoveryCopyName(Doc); }
  std::string Aside(int n) const { return "/rec/" + SetAsideName(RecoveryCopyName(Doc), n); }

  fakes::Session s;
  RecoveryFiles recovery{s.files, "/rec"};
};

TEST_F(RecoveryFilesTest, YesRestoresTheCopyAsUnsavedChangesOfTheSameFile) {
  EXPECT_EQ(Open(Doc, true), RecoveryOffer::Restored);
  ASSERT_EQ(s.ui.questions.size(), 1u);
  EXPECT_EQ(s.ui.questions[0].rfind("A recovery copy of /docs/work.zlt from ", 0), 0u);
  EXPECT_NE(s.ui.questions[0].find("No opens the file as it was last saved"), std::string::npos);
  EXPECT_EQ(Notes(), (std::vector<std::string>{"saved", "unsaved"}));
  EXPECT_TRUE(s.doc.modified);
  EXPECT_EQ(s.dialog.fileName, Doc);
  EXPECT_EQ(s.files.files.at(Doc), Bytes({"saved"}));  // nothing written yet
  EXPECT_TRUE(s.files.Exists(Copy()));                 // until the changes are saved
}

TEST_F(RecoveryFilesTest, NoSetsTheCopyAsideWhereLaterCopiesNeverWrite) {
  for (int round = 1; round <= KeptSetAsideCopies + 2; ++round) {
    EXPECT_EQ(Open(Doc, false), RecoveryOffer::Declined);
    EXPECT_EQ(Notes(), std::vector<std::string>{"saved"});
    EXPECT_FALSE(s.doc.modified);
    EXPECT_FALSE(s.files.Exists(Copy()));
    EXPECT_TRUE(s.files.Exists(Aside(round)));
    ASSERT_EQ(recovery.Write(Tabs({"again"}), Doc), "");
  }
  // The ten newest are kept.
  EXPECT_FALSE(s.files.Exists(Aside(2)));
  EXPECT_TRUE(s.files.Exists(Aside(3)));
  EXPECT_EQ(s.files.FileNames("/rec").size(), 1u + KeptSetAsideCopies);
}

TEST_F(RecoveryFilesTest, ANewDocumentsCopyIsOfferedToTheRunsAfterIt) {
  const std::string earlier = UnnamedIdentity("1-1");
  const std::string mine = UnnamedIdentity("2-2");
  ASSERT_EQ(recovery.Write(Tabs({"never saved"}), earlier), "");
  EXPECT_EQ(OfferUnnamedRecoveryCopy(s.env, recovery, earlier), RecoveryOffer::None);
  EXPECT_TRUE(s.ui.questions.empty());

  s.ui.answers = {false};
  EXPECT_EQ(OfferUnnamedRecoveryCopy(s.env, recovery, mine), RecoveryOffer::Declined);
  EXPECT_TRUE(s.files.Exists("/rec/" + SetAsideName(RecoveryCopyName(earlier), 1)));
  EXPECT_EQ(OfferUnnamedRecoveryCopy(s.env, recovery, mine), RecoveryOffer::None);  // not again

  ASSERT_EQ(recovery.Write(Tabs({"never saved"}), earlier), "");
  s.ui.answers = {true};
  EXPECT_EQ(OfferUnnamedRecoveryCopy(s.env, recovery, mine), RecoveryOffer::Restored);
  EXPECT_EQ(s.ui.questions.back().rfind("A recovery copy of a new document from ", 0), 0u);
  EXPECT_EQ(Notes(), std::vector<std::string>{"never saved"});
  EXPECT_TRUE(s.doc.modified);
  EXPECT_EQ(s.dialog.fileName, "");
  // The copy is the restoring run's now.
  EXPECT_FALSE(s.files.Exists(recovery.CopyPathOf(earlier)));
  EXPECT_TRUE(s.files.Exists(recovery.CopyPathOf(mine)));
}

TEST_F(RecoveryFilesTest, WhichCopiesAreOffered) {
  // Through a link: the same copy.
  s.files.links["/home/link.zlt"] = Doc;
  s.files.files["/home/link.zlt"] = Bytes({"saved"});
  EXPECT_EQ(recovery.IdentityOf("/home/link.zlt"), Doc);
  EXPECT_EQ(Open("/home/link.zlt", true), RecoveryOffer::Restored);
  EXPECT_EQ(s.dialog.fileName, "/home/link.zlt");

  // A file written after the copy: no question, the copy is set aside.
  s.ui.questions.clear();
  s.files.times[Doc] = s.files.times[Copy()] + 1;
  EXPECT_EQ(Open(Doc, true), RecoveryOffer::None);
  EXPECT_TRUE(s.ui.questions.empty());
  EXPECT_TRUE(s.files.Exists(Aside(1)));

  // A document that no longer exists is offered too.
  ASSERT_EQ(recovery.Write(Tabs({"only in the copy"}), Doc), "");
  s.files.Remove(Doc);
  EXPECT_EQ(Open(Doc, true), RecoveryOffer::Restored);
  EXPECT_NE(s.ui.questions.back().find("no longer exists"), std::string::npos);
  EXPECT_EQ(Notes(), std::vector<std::string>{"only in the copy"});

  // Another document: no copy.
  s.ui.questions.clear();
  s.files.files["/docs/other.zlt"] = Bytes({});
  EXPECT_EQ(Open("/docs/other.zlt", true), RecoveryOffer::None);
  EXPECT_TRUE(s.ui.questions.empty());
}

TEST_F(RecoveryFilesTest, CopiesMadeWhileAnotherProgramHeldTheFileAreOfferedAfterItsOwn) {
  const std::string first = recovery.SharedCopyPathOf(Doc, "run-1");
  const std::string second = recovery.SharedCopyPathOf(Doc, "run-2");
  ASSERT_NE(first, second);
  ASSERT_NE(first, Copy());
  ASSERT_EQ(recovery.Write(Tabs({"saved", "first"}), Doc, first), "");
  ASSERT_EQ(recovery.Write(Tabs({"saved", "second"}), Doc, second), "");
  const std::string other = "/docs/other.zlt";
  ASSERT_EQ(recovery.Write(Tabs({"other"}), other, recovery.SharedCopyPathOf(other, "run-1")), "");

  // Its own copy: No; the newest other one: No; the oldest: Yes.
  s.ui.answers = {false, false, true};
  LoadDocument(s.env, Doc);
  EXPECT_EQ(OfferRecoveryCopy(s.env, recovery, Doc), RecoveryOffer::Restored);
  EXPECT_EQ(s.ui.questions.size(), 3u);
  EXPECT_EQ(Notes(), (std::vector<std::string>{"first", "saved"}));
  // The restored copy is the document's own copy now; the declined ones are set aside.
  EXPECT_TRUE(s.files.Exists(Copy()));
  EXPECT_TRUE(recovery.SharedCopiesOf(Doc).empty());
  EXPECT_EQ(recovery.SharedCopiesOf(other).size(), 1u);
}

TEST_F(RecoveryFilesTest, ADamagedCopyIsReportedAndKeptAsideNeverLoaded) {
  for (const bool unreadable : {false, true}) {
    std::string& copy = s.files.files[Copy()];
    copy.resize(copy.size() - 3);
    if (unreadable) s.files.unreadable.insert(Copy());
    s.ui.messages.clear();
    EXPECT_EQ(Open(Doc, true), RecoveryOffer::Damaged);
    EXPECT_TRUE(s.ui.questions.empty());
    EXPECT_EQ(Notes(), std::vector<std::string>{"saved"});
    ASSERT_EQ(s.ui.messages.size(), 1u);
    const int aside = unreadable ? 2 : 1;
    EXPECT_EQ(s.ui.messages[0],
              "The recovery copy of /docs/work.zlt is damaged and was not "
              "loaded. It is kept as " +
                  Aside(aside) + ".");
    EXPECT_TRUE(s.files.Exists(Aside(aside)));
    s.files.unreadable.clear();
    ASSERT_EQ(recovery.Write(Tabs({"x"}), Doc), "");
  }
}

}  // namespace
}  // namespace zelto
