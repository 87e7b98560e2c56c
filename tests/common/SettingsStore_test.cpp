#include "common/SettingsStore.h"

#include <gtest/gtest.h>

#include "common/ZeltoSettings.h"

namespace zelto {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.OpenSettingsKey()); }
  MemorySettingsStore store;
};

TEST_F(SettingsStoreTest, ColourNeedsThreeNumbersFromZeroTo255) {
  const Colour fallback = Rgb(1, 2, 3);
  store.Put("C", std::string("0,128,255"));
  Colour c = store.ReadColour("C", fallback);
  EXPECT_EQ(RedOf(c), 0);
  EXPECT_EQ(GreenOf(c), 128);
  EXPECT_EQ(BlueOf(c), 255);
  EXPECT_EQ(c, 0u + 128u * 256u + 255u * 65536u);

  store.Put("C", std::string(" 10, 20, 30 trailing"));
  EXPECT_EQ(store.ReadColour("C", fallback), Rgb(10, 20, 30));

  for (const char* bad : {"12,34", "", "a,b,c", "1,2,", "1 ,2,3", "256,0,0", "-1,0,0", "1;2;3"}) {
    store.Put("C", std::string(bad));
    EXPECT_EQ(store.ReadColour("C", fallback), fallback) << bad;
  }
  store.Put("C", std::uint32_t{5});  // a number is no colour text
  EXPECT_EQ(store.ReadColour("C", fallback), fallback);
  EXPECT_EQ(store.ReadColour("Missing", fallback), fallback);
}

TEST_F(SettingsStoreTest, ColourWrittenAsItsComponents) {
  store.WriteColour("C", Rgb(255, 0, 0));
  EXPECT_EQ(store.ReadString("C", ""), "255,0,0");
  store.WriteColour("C", Rgb(0, 196, 7));
  EXPECT_EQ(store.ReadColour("C", 0), Rgb(0, 196, 7));
}

TEST_F(SettingsStoreTest, RealReadsLeadingNumberElseDefault) {
  auto read = [&](const char* text) {
    store.Put("R", std::string(text));
    return store.ReadReal("R", 0.75);
  };
  EXPECT_DOUBLE_EQ(read("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(read("  2.25cm"), 2.25);
  // A decimal comma is a decimal point; only one separator counts.
  EXPECT_DOUBLE_EQ(read("1,5"), 1.5);
  EXPECT_DOUBLE_EQ(read(" -0,25"), -0.25);
  EXPECT_DOUBLE_EQ(read(",5"), 0.5);
  EXPECT_DOUBLE_EQ(read("1,5,7"), 1.5);
  EXPECT_DOUBLE_EQ(read("1.5,7"), 1.5);
  EXPECT_DOUBLE_EQ(read(",x"), 0.75);
  EXPECT_DOUBLE_EQ(read("-0.5"), -0.5);
  EXPECT_DOUBLE_EQ(read("+3"), 3.0);
  EXPECT_DOUBLE_EQ(read("1e1"), 10.0);
  EXPECT_DOUBLE_EQ(read(""), 0.75);
  EXPECT_DOUBLE_EQ(read("abc"), 0.75);
  EXPECT_DOUBLE_EQ(read("+-1"), 0.75);
  EXPECT_DOUBLE_EQ(read("nan"), 0.75);
  EXPECT_DOUBLE_EQ(read("inf"), 0.75);
  EXPECT_DOUBLE_EQ(read("1e999"), 0.75);
  EXPECT_DOUBLE_EQ(store.ReadReal("Missing", 0.75), 0.75);
}

TEST_F(SettingsStoreTest, StringOver99CharactersFallsBack) {
  store.Put("S", std::string(99, 'x'));
  EXPECT_EQ(store.ReadString("S", "dflt"), std::string(99, 'x'));
  store.Put("S", std::string(100, 'x'));
  EXPECT_EQ(store.ReadString("S", "dflt"), "dflt");
  store.Put("S", std::string(""));
  EXPECT_EQ(store.ReadString("S", "dflt"), "");  // an empty value is a value
  // Colours and reals are texts too: a long one is unreadable even with a number in front.
  store.Put("S", "1.5" + std::string(120, ' '));
  EXPECT_DOUBLE_EQ(store.ReadReal("S", 0.75), 0.75);
}

TEST_F(SettingsStoreTest, DwordFromNumberOrDigits) {
  store.Put("D", std::uint32_t{0xFFFFFFFF});
  EXPECT_EQ(store.ReadDword("D", 9), 0xFFFFFFFFu);
  // A text store gives numbers back as digits.
  for (auto [text, value] :
       std::initializer_list<std::pair<const char*, std::uint32_t>>{{"7", 7},
                                                                    {" 42 ", 42},
                                                                    {"4294967295", 0xFFFFFFFF},
                                                                    {"-1", 0xFFFFFFFF},
                                                                    {"-2147483648", 0x80000000}}) {
    store.Put("D", std::string(text));
    EXPECT_EQ(store.ReadDword("D", 9), value) << text;
  }
  for (const char* bad : {"", "abc", "7x", "4294967296", "-2147483649", "1.5", "--1"}) {
    store.Put("D", std::string(bad));
    EXPECT_EQ(store.ReadDword("D", 9), 9u) << bad;
  }
  store.Put("D", std::uint32_t{12});
  EXPECT_EQ(store.ReadString("D", ""), "12");
}

TEST(SettingsStoreKey, ClosedOrUnavailableKeyGivesDefaultsAndRefusesWrites) {
  MemorySettingsStore store;
  store.Put("N", std::uint32_t{3});
  EXPECT_EQ(store.ReadDword("N", 1), 1u);  // not opened yet
  EXPECT_FALSE(store.WriteDword("N", 4));
  EXPECT_FALSE(store.HasValue("N"));

  ASSERT_TRUE(store.OpenSettingsKey());
  EXPECT_TRUE(store.HasValue("N"));
  EXPECT_TRUE(store.WriteDword("N", 4));
  store.CloseSettingsKey();
  EXPECT_EQ(store.Peek("N"), StoredValue(std::uint32_t{4}));

  store.SetUnavailable(true);
  EXPECT_FALSE(store.OpenSettingsKey());
  EXPECT_EQ(store.ReadDword("N", 1), 1u);
  EXPECT_FALSE(store.WriteString("S", "x"));
  EXPECT_FALSE(store.Peek("S").has_value());
}

TEST(ZeltoSettingsRead, EmptyStoreGivesAllDefaults) {
  MemorySettingsStore store;
  ZeltoSettings s;
  s.ReadSettings(store, "/usr/bin/editor");
  EXPECT_EQ(s.MainColor, Rgb(0, 0, 0));
  EXPECT_EQ(s.ExecColor, Rgb(0, 196, 0));
  EXPECT_EQ(s.DetailColor, Rgb(0, 0, 255));
  EXPECT_EQ(s.CatColor, Rgb(255, 0, 0));
  EXPECT_EQ(s.NoPrintColor, Rgb(160, 100, 100));
  EXPECT_EQ(s.MultiLine, 0u);
  EXPECT_EQ(s.NumCols, 2u);
  EXPECT_EQ(s.PrintFontSize, 10u);
  EXPECT_EQ(s.PrintFont, "Arial");
  EXPECT_DOUBLE_EQ(s.TopMargin, 0.75);
  EXPECT_DOUBLE_EQ(s.BottomMargin, 0.75);
  EXPECT_DOUBLE_EQ(s.LeftMargin, 0.75);
  EXPECT_DOUBLE_EQ(s.RightMargin, 0.75);
  EXPECT_DOUBLE_EQ(s.HorizRatio, 0.8);
  EXPECT_DOUBLE_EQ(s.VertRatio, 0.8);
  EXPECT_EQ(s.EditFont, 0u);
  EXPECT_EQ(s.ClickURL, 1u);
  EXPECT_EQ(s.DateFormat, 0u);
  EXPECT_TRUE(s.WWWEnabled);
  EXPECT_EQ(s.OutsideLine, "");
  EXPECT_EQ(s.Plus, "");
  EXPECT_FALSE(s.KeepCommas);
  EXPECT_FALSE(s.KeepW);
  EXPECT_FALSE(s.PhoneAsIs);
  EXPECT_EQ(s.MinPhone, 6u);
  EXPECT_EQ(s.Browser, "");
  EXPECT_EQ(s.ScreenFont, "Lucida Bright");
  EXPECT_EQ(s.ScreenFontSize, 20u);
  EXPECT_EQ(s.NotePad, "/usr/bin/editor");
  EXPECT_EQ(s.PhoneLength1, 7u);
  EXPECT_EQ(s.PhonePrefix1, "");
  EXPECT_EQ(s.PhoneLength2, 10u);
  EXPECT_EQ(s.PhonePrefix2, "1");
  EXPECT_EQ(s.PhoneLength3, 11u);
  EXPECT_EQ(s.PhonePrefix3, "");
  EXPECT_EQ(s.DefaultCat, "Default");
  EXPECT_EQ(s.DefaultFile, "default.zlt");
  // Reading writes nothing and leaves the key closed.
  EXPECT_EQ(store.Size(), 0u);
  EXPECT_FALSE(store.IsOpen());
}

TEST(ZeltoSettingsRead, UnavailableKeyGivesAllDefaults) {
  MemorySettingsStore store;
  store.Put("NumCols", std::uint32_t{5});
  store.Put("NotePad", std::string("vi"));
  store.SetUnavailable(true);
  ZeltoSettings s;
  s.ReadSettings(store, "xdg-open");
  EXPECT_EQ(s.NumCols, 2u);
  EXPECT_EQ(s.NotePad, "xdg-open");
}

TEST(ZeltoSettingsRead, StoredValuesReplaceDefaults) {
  MemorySettingsStore store;
  store.Put("MainColor", std::string("0,128,255"));
  store.Put("CatColor", std::string("12,34"));
  store.Put("TopMargin", std::string("1.5"));
  store.Put("LeftMargin", std::string("abc"));
  store.Put("NotePad", std::string(120, 'n'));
  store.Put("NumCols", std::string("5"));
  store.Put("WWWEnabled", std::uint32_t{0});
  store.Put("PhoneAsIs", std::uint32_t{256});  // any non-zero number turns a flag on
  store.Put("PhonePrefix2", std::string("00"));
  store.Put("DefaultCat", std::string("Inbox \xE9t\xE9"));
  ZeltoSettings s;
  s.ReadSettings(store, "xdg-open");
  EXPECT_EQ(s.MainColor, Rgb(0, 128, 255));
  EXPECT_EQ(s.CatColor, Rgb(255, 0, 0));
  EXPECT_DOUBLE_EQ(s.TopMargin, 1.5);
  EXPECT_DOUBLE_EQ(s.LeftMargin, 0.75);
  EXPECT_EQ(s.NotePad, "xdg-open");
  EXPECT_EQ(s.NumCols, 5u);
  EXPECT_FALSE(s.WWWEnabled);
  EXPECT_TRUE(s.PhoneAsIs);
  EXPECT_EQ(s.PhonePrefix2, "00");
  EXPECT_EQ(s.DefaultCat, "Inbox \xE9t\xE9");
}

TEST(ZeltoSettingsRead, ValuesTheLayoutCannotUseKeepTheDefault) {
  MemorySettingsStore store;
  store.Put("NumCols", std::uint32_t{0});
  store.Put("PrintFontSize", std::uint32_t{0});
  store.Put("ScreenFontSize", std::string("-20"));
  store.Put("BottomMargin", std::string("10"));
  store.Put("RightMargin", std::string("-0.1"));
  store.Put("HorizRatio", std::string("1.7"));
  store.Put("VertRatio", std::string("0"));
  ZeltoSettings s;
  s.ReadSettings(store, "ed");
  EXPECT_EQ(s.NumCols, 2u);
  EXPECT_EQ(s.PrintFontSize, 10u);
  EXPECT_EQ(s.ScreenFontSize, 20u);
  EXPECT_DOUBLE_EQ(s.BottomMargin, 0.75);
  EXPECT_DOUBLE_EQ(s.RightMargin, 0.75);
  EXPECT_DOUBLE_EQ(s.HorizRatio, 0.8);
  EXPECT_DOUBLE_EQ(s.VertRatio, 0.8);

  store.Put("NumCols", std::uint32_t{7});
  store.Put("BottomMargin", std::string("9.99"));
  store.Put("RightMargin", std::string("0"));
  s.ReadSettings(store, "ed");
  EXPECT_EQ(s.NumCols, 7u);
  EXPECT_DOUBLE_EQ(s.BottomMargin, 9.99);
  EXPECT_DOUBLE_EQ(s.RightMargin, 0.0);
}

}  // namespace
}  // namespace zelto
