#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

TEST(CodePageTest, AllByteValuesRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString text = FromCodePage(all);
  EXPECT_EQ(text.size(), 255);
  EXPECT_EQ(ToCodePage(text), all);
}

TEST(CodePageTest, WindowsCharactersMapToTheirUnicodeLetters) {
  EXPECT_EQ(FromCodePage("\x80"), QString(QChar(0x20AC)));  // euro sign
  EXPECT_EQ(FromCodePage("Caf\xE9"), QStringLiteral("Caf\u00E9"));
  EXPECT_EQ(ToCodePage(QStringLiteral("\u2013")), std::string("\x96"));  // en dash
}

TEST(CodePageTest, CharacterOutsideTheCodePageIsRefusedAndNamed) {
  const QString text = QStringLiteral("ab\u0416c");  // Cyrillic Zhe
  EXPECT_EQ(ToCodePage(text), std::nullopt);
  EXPECT_EQ(FirstUnmappable(text), QChar(0x0416));
  EXPECT_EQ(FirstUnmappable(QStringLiteral("Caf\u00E9")), std::nullopt);
  EXPECT_EQ(ToCodePage(QString::fromUcs4(U"x\U0001F600")), std::nullopt);
}

}  // namespace
}  // namespace zelto
