#include "mainwin/ConfigCommands.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "app/AppFixture.h"
#include "common/CommandIds.h"
#include "dialogs/TCatDialog.h"
#include "dialogs/TFontDialog.h"
#include "mainwin/MainWindowCommands.h"
#include "mainwin/TZeltoWindow.h"
#include "mainwin/TextPrompt.h"
#include "platform/ScreenFont.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto::testing {
namespace {

class ConfigCommandsTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    TextPrompt::Reset();
    Start();
    TextPrompt::Reset();
  }
  void TearDown() override {
    ConfigCommands::SetDialogRunner({});
    TextPrompt::Reset();
    AppFixture::TearDown();
  }

  void Command(int id) { app->MainWindow()->DoCommand(id); }
  // The value the store holds now (as the next start would read it).
  std::optional<StoredValue> Stored(const char* name) const { return settings->Peek(name); }
  std::string StoredText(const char* name) const {
    auto v = Stored(name);
    return v && std::holds_alternative<std::string>(*v) ? std::get<std::string>(*v) : "<none>";
  }
};

TEST_F(ConfigCommandsTest, ColumnsTakeOnlyOneToSeven) {
  for (const char* refused : {"8", "0", "-1", "abc"}) {
    TextPrompt::SetNextAnswer(QString::fromLatin1(refused));
    Command(CM_COLUMNS);
    EXPECT_EQ(app->settings.NumCols, 2u) << refused;
    EXPECT_FALSE(Stored("NumCols")) << refused;
  }
  TextPrompt::SetNextAnswer(QStringLiteral("3x"));
  Command(CM_COLUMNS);
  EXPECT_EQ(app->settings.NumCols, 3u);
  EXPECT_EQ(Stored("NumCols"), StoredValue(3u));

  TextPrompt::SetNextAnswer(std::nullopt);  // Cancel
  Command(CM_COLUMNS);
  EXPECT_EQ(app->settings.NumCols, 3u);

  ASSERT_FALSE(TextPrompt::History().empty());
  EXPECT_EQ(TextPrompt::History().back().caption, "Columns");
  EXPECT_EQ(TextPrompt::History().back().prompt, "Enter number of columns:");
  EXPECT_EQ(TextPrompt::History().back().text, "3");
}

TEST_F(ConfigCommandsTest, MarginsStoreTheTypedTextAndShowTwoDecimals) {
  TextPrompt::SetNextAnswer(QStringLiteral("10"));
  Command(CM_MARGINLEFT);
  EXPECT_EQ(app->settings.LeftMargin, 0.75);
  EXPECT_FALSE(Stored("LeftMargin"));

  TextPrompt::SetNextAnswer(QStringLiteral("1.5"));
  Command(CM_MARGINLEFT);
  EXPECT_EQ(app->settings.LeftMargin, 1.5);
  EXPECT_EQ(StoredText("LeftMargin"), "1.5");

  TextPrompt::SetNextAnswer(std::nullopt);
  Command(CM_MARGINLEFT);
  EXPECT_EQ(TextPrompt::History().back().caption, "Left margin");
  EXPECT_EQ(TextPrompt::History().back().prompt, "Enter Left margin:");
  EXPECT_EQ(TextPrompt::History().back().text, "1.50");

  TextPrompt::SetNextAnswer(QStringLiteral("9.99"));
  Command(CM_MARGINBOTTOM);
  EXPECT_EQ(app->settings.BottomMargin, 9.99);
  EXPECT_EQ(StoredText("BottomMargin"), "9.99");
  TextPrompt::SetNextAnswer(QStringLiteral("0"));
  Command(CM_MARGINTOP);
  EXPECT_EQ(app->settings.TopMargin, 0.0);
  EXPECT_EQ(StoredText("TopMargin"), "0");
  EXPECT_EQ(app->settings.RightMargin, 0.75);  // each command changes its own margin only
}

TEST_F(ConfigCommandsTest, ColourIsStoredAsRedGreenBlueAndCustomColoursLastTheRun) {
  Prompter::SetNextColor(QColor(255, 0, 0));
  Command(CM_COLORNOTE);
  EXPECT_EQ(app->settings.MainColor, Rgb(255, 0, 0));
  EXPECT_EQ(StoredText("MainColor"), "255,0,0");
  EXPECT_EQ(QColorDialog::customColor(0), QColor(1, 1, 1));
  EXPECT_EQ(QColorDialog::customColor(15), QColor(240, 240, 240));

  Prompter::SetNextColor(std::nullopt);  // Cancel
  Command(CM_COLORCATEGORY);
  EXPECT_EQ(app->settings.CatColor, Rgb(255, 0, 0));  // its default, unchanged
  EXPECT_FALSE(Stored("CatColor"));
  Prompter::SetNextColor(QColor(0, 1, 2));
  Command(CM_COLOREXECUTE);
  EXPECT_EQ(StoredText("ExecColor"), "0,1,2");
  // The dialog starts at the setting's colour, and its title names the colour.
  Prompter::ResetTestHooks();
  Command(CM_COLORDETAIL);
  ASSERT_EQ(Prompter::History().size(), 1u);
  EXPECT_EQ(Prompter::History()[0].text, QColor(0, 0, 255).name());
  EXPECT_EQ(Prompter::History()[0].caption, "Color of expanded entry window text");
  Command(CM_COLORCATEGORY);
  EXPECT_EQ(Prompter::History()[1].caption, "Category color");
}

TEST_F(ConfigCommandsTest, TogglesWriteTheirNumberEveryTime) {
  TZeltoWindow& window = *app->MainWindow();
  EXPECT_EQ(window.Checked(CM_MULTILINE), false);
  Command(CM_MULTILINE);
  EXPECT_EQ(Stored("MultiLine"), StoredValue(1u));
  EXPECT_EQ(window.Checked(CM_MULTILINE), true);
  Command(CM_MULTILINE);
  EXPECT_EQ(app->settings.MultiLine, 0u);
  EXPECT_EQ(Stored("MultiLine"), StoredValue(0u));

  EXPECT_EQ(window.Checked(CM_ENABLEWEB), true);
  Command(CM_ENABLEWEB);
  EXPECT_FALSE(app->settings.WWWEnabled);
  EXPECT_EQ(Stored("WWWEnabled"), StoredValue(0u));
  EXPECT_EQ(window.Checked(CM_ENABLEWEB), false);
}

TEST_F(ConfigCommandsTest, DefaultFileIsStoredWholeAndTheOpenDocumentStays) {
  WriteFile(Path("other.zlt"), "");
  const std::string openBefore = app->fileData.fileName;
  Prompter::SetNextFileName(QString::fromStdString(Path("other.zlt")));
  Command(CM_DEFAULTFILE);
  EXPECT_EQ(StoredText("DefaultFile"), Path("other.zlt"));
  EXPECT_EQ(app->fileData.fileName, openBefore);
  // The dialog takes only a file that exists, in a folder that exists.
  const auto dialog = std::find_if(
      Prompter::History().begin(), Prompter::History().end(),
      [](const Prompter::Asked& a) { return a.kind == Prompter::Asked::Kind::OpenFile; });
  ASSERT_NE(dialog, Prompter::History().end());
  EXPECT_EQ(dialog->flags & (FileDialogFileMustExist | FileDialogPathMustExist),
            FileDialogFileMustExist | FileDialogPathMustExist);
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message, QStringLiteral("Default file changed to ") +
                                                      QString::fromStdString(Path("other.zlt"))),
            1);

  Prompter::ResetTestHooks();
  Prompter::SetNextFileName(std::nullopt);
  Command(CM_DEFAULTFILE);
  EXPECT_EQ(StoredText("DefaultFile"), Path("other.zlt"));
  EXPECT_EQ(Asked(Prompter::Asked::Kind::Message), 0);
}

// Presses the dialog's OK button after `fill` has filled it in.
template <typename Dialog, typename Fill>
ConfigCommands::DialogRunner PressOk(Fill fill) {
  return [fill](QDialog& dialog) {
    auto* typed = qobject_cast<Dialog*>(&dialog);
    if (typed == nullptr) return -1;
    fill(*typed);
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("OK")) button->click();
    return dialog.result();
  };
}

TEST_F(ConfigCommandsTest, ScreenFontReachesThePanesAndTheStore) {
  QString face;
  ConfigCommands::SetDialogRunner(PressOk<TFontDialog>([&face](TFontDialog& d) {
    d.FaceBox()->setCurrentIndex(d.FaceBox()->count() - 1);
    face = d.FaceBox()->currentText();
    d.SizeEdit()->setText(QStringLiteral("12"));
  }));
  Command(CM_SCREENFONT);
  if (face.isEmpty()) GTEST_SKIP() << "no font faces installed";
  EXPECT_EQ(app->settings.ScreenFontSize, 12u);
  EXPECT_EQ(Stored("ScreenFontSize"), StoredValue(12u));
  EXPECT_EQ(QString::fromStdString(StoredText("ScreenFont")), face);
  EXPECT_EQ(app->screenFont, ScreenFontOf(app->settings));
  EXPECT_EQ(app->MainWindow()->EntryLine()->font().pixelSize(), app->screenFont.pixelSize());
  EXPECT_EQ(app->MainWindow()->NoteView()->LineHeight(), 12);

  // The printer font leaves the screen alone.
  ConfigCommands::SetDialogRunner(PressOk<TFontDialog>([](TFontDialog& d) {
    d.FaceBox()->setCurrentIndex(0);
    d.SizeEdit()->setText(QStringLiteral("30"));
  }));
  Command(CM_PRINTERFONT);
  EXPECT_EQ(app->settings.PrintFontSize, 30u);
  EXPECT_EQ(app->settings.ScreenFontSize, 12u);
}

TEST_F(ConfigCommandsTest, DefaultCategoryIsChosenAmongTheTopLevel) {
  app->doc.tabs.Append(Tab("Work", 0, NO_PARENT));
  ConfigCommands::SetDialogRunner(PressOk<TCatDialog>([](TCatDialog& d) {
    const auto found = d.List()->findItems(QStringLiteral("Work"), Qt::MatchExactly);
    if (!found.isEmpty()) d.List()->setCurrentItem(found.first());
  }));
  Command(CM_DEFAULTCATEGORY);
  EXPECT_EQ(app->settings.DefaultCat, "Work");
  EXPECT_EQ(StoredText("DefaultCat"), "Work");
}

TEST_F(ConfigCommandsTest, LongDefaultsAreStoredWholeUpToTheirLimit) {
  // A 200-byte path: the next start opens that very file.
  const std::string longPath = Path((std::string(190, 'd') + ".zlt").c_str());
  ASSERT_GT(longPath.size(), 200u);
  Prompter::SetNextFileName(QString::fromStdString(longPath));
  Command(CM_DEFAULTFILE);
  Start();
  EXPECT_EQ(app->fileData.fileName, longPath);

  // Past the limit: refused with a reason, the stored one stays.
  Prompter::SetNextFileName(QString::fromStdString(Path(std::string(4100, 'x').c_str())));
  Command(CM_DEFAULTFILE);
  EXPECT_EQ(StoredText("DefaultFile"), longPath);
  ASSERT_EQ(Asked(Prompter::Asked::Kind::Message), 1);
  EXPECT_TRUE(Prompter::History().back().text.contains("longer than 4096 bytes"));

  const std::string longName(300, 'C');
  const std::string tooLong(4097, 'T');
  for (const std::string& name : {longName, tooLong}) {
    app->doc.tabs.Append(Tab(name, 0, NO_PARENT));
    ConfigCommands::SetDialogRunner(PressOk<TCatDialog>([&name](TCatDialog& d) {
      for (int row = 0; row < d.List()->count(); ++row)
        if (d.List()->item(row)->text().size() == static_cast<int>(name.size()))
          d.List()->setCurrentRow(row);
    }));
    Command(CM_DEFAULTCATEGORY);
  }
  EXPECT_EQ(StoredText("DefaultCat"), longName);
  EXPECT_TRUE(Prompter::History().back().text.contains("longer than 4096 bytes"));
  Start();
  EXPECT_EQ(app->settings.DefaultCat, longName);
}

}  // namespace
}  // namespace zelto::testing
