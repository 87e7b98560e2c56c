#include "platform/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

#include "common/ZeltoSettings.h"

namespace zelto {
namespace {

// Every check reads through a copy of the file under a new name, so that nothing cached
// in this process can answer: the copy is seen exactly as a new process would see it.
class QtSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
  }
  void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

  QString FreshCopy() {
    QString copy = dir.filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + ".conf");
    EXPECT_TRUE(QFile::copy(QtSettingsStore::DefaultIniPath(), copy));
    return copy;
  }
  void WriteFile(const QByteArray& content) {
    QDir().mkpath(dir.filePath("Zelto"));
    QFile file(QtSettingsStore::DefaultIniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }

  QTemporaryDir dir;
};

TEST_F(QtSettingsStoreTest, LivesInTheUserConfigFolder) {
  EXPECT_EQ(QtSettingsStore::DefaultIniPath(), dir.path() + "/Zelto/Zelto.conf");
  QtSettingsStore store;
  ASSERT_TRUE(store.OpenSettingsKey());
  EXPECT_TRUE(store.WriteDword("NumCols", 3));
  store.CloseSettingsKey();
  EXPECT_TRUE(QFile::exists(dir.path() + "/Zelto/Zelto.conf"));
}

TEST_F(QtSettingsStoreTest, NumbersStayNumbersAndTextsStayTextsInANewProcess) {
  {
    QtSettingsStore store;
    ASSERT_TRUE(store.OpenSettingsKey());
    store.WriteDword("NumCols", 3);
    store.WriteDword("X", static_cast<std::uint32_t>(-40));  // a window left of the screen
    store.WriteString("PhonePrefix2", "007");
    store.WriteString("PrintFont", "Times New Roman");
    store.WriteString("Blank", "  padded  ");
    store.WriteString("Empty", "");
    store.WriteString("Escaped", "@Variant(x)");
    store.WriteColour("MainColor", Rgb(0, 128, 255));
    store.WriteString("LeftMargin", "1.5");
    store.WriteString("DefaultCat", "Caf\xE9");  // Windows-1252 e acute
    store.CloseSettingsKey();
  }
  // As another process sees the file, every value is a text.
  QSettings raw(FreshCopy(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("NumCols").typeId(), QMetaType::QString);
  EXPECT_EQ(raw.value("MainColor").toString(), "0,128,255");
  EXPECT_EQ(raw.value("DefaultCat").toString(), QString::fromUtf8("Caf\u00e9"));

  QtSettingsStore store(FreshCopy());
  ASSERT_TRUE(store.OpenSettingsKey());
  EXPECT_EQ(store.ReadDword("NumCols", 2), 3u);
  EXPECT_EQ(static_cast<std::int32_t>(store.ReadDword("X", 50)), -40);
  EXPECT_EQ(store.ReadString("PhonePrefix2", "1"), "007");
  EXPECT_EQ(store.ReadString("PrintFont", ""), "Times New Roman");
  EXPECT_EQ(store.ReadString("Blank", ""), "  padded  ");
  EXPECT_EQ(store.ReadString("Empty", "dflt"), "");
  EXPECT_EQ(store.ReadString("Escaped", ""), "@Variant(x)");
  EXPECT_EQ(store.ReadString("MainColor", ""), "0,128,255");
  EXPECT_EQ(store.ReadColour("MainColor", 0), Rgb(0, 128, 255));
  EXPECT_DOUBLE_EQ(store.ReadReal("LeftMargin", 0.75), 1.5);
  EXPECT_EQ(store.ReadString("DefaultCat", ""), "Caf\xE9");
  EXPECT_FALSE(store.HasValue("Missing"));
}

TEST_F(QtSettingsStoreTest, HandWrittenFileIsReadWhole) {
  WriteFile(
      "[General]\n"
      "MainColor=0,128,255\n"
      "CatColor = 10, 20, 30\n"
      "NumCols=4\n"
      "TopMargin=1.5\n"
      "BottomMargin=\n"
      "NotePad=" +
      QByteArray(120, 'n') +
      "\n"
      "OutsideLine=\"9,\"\n"
      "Odd=@ByteArray(abc)\n");
  QtSettingsStore store;
  ASSERT_TRUE(store.OpenSettingsKey());
  EXPECT_EQ(store.ReadString("MainColor", ""), "0,128,255");
  EXPECT_EQ(store.ReadColour("CatColor", 0), Rgb(10, 20, 30));
  EXPECT_EQ(store.ReadString("OutsideLine", ""), "9,");
  EXPECT_EQ(store.ReadString("Odd", "dflt"), "dflt");
  store.CloseSettingsKey();

  ZeltoSettings s;
  s.ReadSettings(store, "gedit");
  EXPECT_EQ(s.MainColor, Rgb(0, 128, 255));
  EXPECT_EQ(s.NumCols, 4u);
  EXPECT_DOUBLE_EQ(s.TopMargin, 1.5);
  EXPECT_DOUBLE_EQ(s.BottomMargin, 0.75);
  EXPECT_EQ(s.NotePad, "gedit");
}

TEST_F(QtSettingsStoreTest, TextTheCodePageCannotHoldIsUnreadable) {
  WriteFile(QByteArray("[General]\nDefaultCat=") + QString::fromUtf8("\u4e2d\u6587").toUtf8() +
            "\nScreenFont=Caf\xc3\xa9\n");
  QtSettingsStore store;
  ASSERT_TRUE(store.OpenSettingsKey());
  EXPECT_EQ(store.ReadString("DefaultCat", "Default"), "Default");
  EXPECT_EQ(store.ReadString("ScreenFont", ""), "Caf\xE9");
}

TEST_F(QtSettingsStoreTest, ValuesWrittenOneProcessAreReadByTheNext) {
  {
    QtSettingsStore store;
    ASSERT_TRUE(store.OpenSettingsKey());
    store.WriteDword("MultiLine", 1);
    store.CloseSettingsKey();
    // A second change in the same run, in a new open of the key.
    ASSERT_TRUE(store.OpenSettingsKey());
    store.WriteColour("CatColor", Rgb(1, 2, 3));
    store.CloseSettingsKey();
  }
  QtSettingsStore next(FreshCopy());
  ZeltoSettings s;
  s.ReadSettings(next, "ed");
  EXPECT_EQ(s.MultiLine, 1u);
  EXPECT_EQ(s.CatColor, Rgb(1, 2, 3));
}

}  // namespace
}  // namespace zelto
