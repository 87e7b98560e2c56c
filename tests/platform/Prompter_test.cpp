#include "platform/Prompter.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "support/QtApp.h"

namespace zelto {
namespace {

class PrompterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureQApplication();
    Prompter::ResetTestHooks();
  }
  void TearDown() override { Prompter::SetOwner(nullptr); }
};

TEST_F(PrompterTest, QueuedAnswersComeBackInOrderAndQuestionsAreRecorded) {
  Prompter::SetNextAnswer(Prompter::Answer::No);
  Prompter::SetNextAnswer(Prompter::Answer::Cancel);
  EXPECT_FALSE(Prompter::AskYesNo("Delete?", QStringLiteral("Cap")));
  EXPECT_EQ(Prompter::AskYesNoCancel("File has changed.  Save?", QStringLiteral("Brindamor")),
            Prompter::Answer::Cancel);
  ASSERT_EQ(Prompter::History().size(), 2u);
  EXPECT_EQ(Prompter::History()[0].text, "Delete?");
  EXPECT_EQ(Prompter::History()[0].caption, "Cap");
  EXPECT_EQ(Prompter::History()[0].buttons, Prompter::Buttons::YesNo);
  EXPECT_EQ(Prompter::History()[1].text, "File has changed.  Save?");
  EXPECT_EQ(Prompter::History()[1].buttons, Prompter::Buttons::YesNoCancel);
}

TEST_F(PrompterTest, UnansweredQuestionTakesItsDefaultButtonAndNeverBlocks) {
  EXPECT_TRUE(Prompter::AskYesNo("Q"));
  EXPECT_EQ(Prompter::AskYesNoCancel("Q", std::nullopt, Prompter::Answer::No),
            Prompter::Answer::No);
  Prompter::Message("Not a Brindamor data file!");
  EXPECT_EQ(Prompter::History().back().kind, Prompter::Asked::Kind::Message);
  EXPECT_EQ(Prompter::History().back().buttons, Prompter::Buttons::Ok);
}

TEST_F(PrompterTest, AnswerTheBoxDoesNotOfferCountsAsClosingIt) {
  Prompter::SetNextAnswer(Prompter::Answer::Cancel);
  EXPECT_FALSE(Prompter::AskYesNo("Q"));  // a Yes/No box cannot answer Cancel
  Prompter::SetNextAnswer(Prompter::Answer::Ok);
  EXPECT_EQ(Prompter::AskYesNoCancel("Q"), Prompter::Answer::Cancel);
}

TEST_F(PrompterTest, CaptionDefaultsToTheOwnersAndAnEmptyOneIsTheProgramsName) {
  QWidget frame;
  frame.setWindowTitle(QStringLiteral("Brindamor, version 1.01"));
  Prompter::SetOwner(&frame);
  Prompter::Message("m");
  EXPECT_EQ(Prompter::History().back().caption, "Brindamor, version 1.01");
  Prompter::SetOwner(&frame, QStringLiteral("Brindamor, version 1.01"));
  frame.setWindowTitle(QStringLiteral("notes.zlt - Brindamor, version 1.01"));
  Prompter::Message("m");
  EXPECT_EQ(Prompter::History().back().caption, "Brindamor, version 1.01");
  Prompter::Message("fonts", QString());
  EXPECT_EQ(Prompter::History().back().caption, "Brindamor");
  Prompter::SetOwner(nullptr);
  Prompter::Message("m");
  EXPECT_EQ(Prompter::History().back().caption, "Brindamor");
}

TEST_F(PrompterTest, FileDialogAppendsDefaultExtensionOnlyWhenNoneWasTyped) {
  FileDialogData data{"", "Zelto files (*.zlt)|*.zlt|", "zlt", 0x1006};
  Prompter::SetNextFileName(QStringLiteral("/tmp/x/notes"));
  ASSERT_TRUE(Prompter::SaveFileDialog(data));
  EXPECT_EQ(data.fileName, "/tmp/x/notes.zlt");
  EXPECT_EQ(Prompter::History().back().filter, "Zelto files (*.zlt)");

  Prompter::SetNextFileName(QStringLiteral("/tmp/x.d/notes.txt"));
  ASSERT_TRUE(Prompter::OpenFileDialog(data));
  EXPECT_EQ(data.fileName, "/tmp/x.d/notes.txt");

  // A dot in a folder name is not an extension of the file.
  Prompter::SetNextFileName(QStringLiteral("/tmp/x.d/notes"));
  ASSERT_TRUE(Prompter::OpenFileDialog(data));
  EXPECT_EQ(data.fileName, "/tmp/x.d/notes.zlt");
  EXPECT_EQ(Prompter::History().back().text, "/tmp/x.d/notes.txt");  // where it started
}

TEST_F(PrompterTest, CancelledFileDialogLeavesTheNameAlone) {
  FileDialogData data{"keep.zlt", "Zelto files (*.zlt)|*.zlt|", "zlt", 0};
  Prompter::SetNextFileName(std::nullopt);
  EXPECT_FALSE(Prompter::SaveFileDialog(data));
  EXPECT_FALSE(Prompter::OpenFileDialog(data));  // nothing queued: cancelled too
  EXPECT_EQ(data.fileName, "keep.zlt");

  Prompter::SetNextFileName(QStringLiteral("other"));
  EXPECT_EQ(Prompter::AskSaveFileName(data), std::optional<std::string>("other.zlt"));
  EXPECT_EQ(Prompter::AskOpenFileName(data), std::nullopt);
  EXPECT_EQ(data.fileName, "keep.zlt");  // these leave the dialog data alone
}

TEST_F(PrompterTest, ColourAndBeepHooks) {
  Prompter::SetNextColor(QColor(1, 2, 3));
  Prompter::SetNextColor(std::nullopt);
  EXPECT_EQ(Prompter::AskColor(Qt::red), QColor(1, 2, 3));
  EXPECT_EQ(Prompter::AskColor(Qt::red), std::nullopt);
  Prompter::Beep();
  Prompter::Beep();
  EXPECT_EQ(Prompter::BeepCount(), 2);
}

TEST(FileFilterTest, WindowsFilterPairsBecomeQtFilters) {
  EXPECT_EQ(QtFileFilter("Zelto files (*.zlt)|*.zlt|"), "Zelto files (*.zlt)");
  EXPECT_EQ(QtFileFilter("Text|*.txt;*.text|All files (*.*)|*.*|"),
            "Text (*.txt *.text);;All files (*.*)");
  EXPECT_EQ(QtFileFilter(""), "");
  EXPECT_EQ(QtFileFilter("Broken|"), "");  // a description without patterns is dropped
}

}  // namespace
}  // namespace zelto
