#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <QSet>

namespace zelto {
namespace {

TEST(Cp1252, AllByteValuesRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString text = Cp1252::Decode(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);  // no two bytes alike
  EXPECT_TRUE(Cp1252::CanEncode(text));
  const Cp1252::Encoded back = Cp1252::Encode(text);
  ASSERT_TRUE(back.Ok());
  EXPECT_EQ(back.bytes, all);
}

TEST(Cp1252, CharactersOfTheCodePage) {
  EXPECT_EQ(Cp1252::Decode("\x80"), QStringLiteral(u"\u20ac"));
  EXPECT_EQ(Cp1252::Decode("caf\xE9"), QStringLiteral(u"caf\u00e9"));
  EXPECT_EQ(Cp1252::Decode("\x93quoted\x94 \x85"), QStringLiteral(u"\u201cquoted\u201d \u2026"));
  EXPECT_EQ(Cp1252::Decode(std::string("a\0b", 3)).size(), 3);
  EXPECT_EQ(Cp1252::Encode(QStringLiteral(u"\u20ac5 \u2013 \u00fc")).bytes,
            "\x80"
            "5 \x96 \xFC");
  EXPECT_EQ(Cp1252::Encode(QString()).bytes, "");
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold) {
  const QString text = QStringLiteral(u"\u03bb x \u03bb \u4e2d \U0001F600 \u0100");
  const Cp1252::Encoded refused = Cp1252::Encode(text);
  EXPECT_FALSE(refused.Ok());
  EXPECT_TRUE(refused.bytes.empty());
  EXPECT_EQ(refused.unmappable, QStringLiteral(u"\u03bb\u4e2d\U0001F600\u0100"));
  EXPECT_FALSE(Cp1252::CanEncode(QStringLiteral(u"\uff41")));  // no silent best fit to 'a'

  const QString message = Cp1252::RefusalMessage(QStringLiteral(u"\u03bb\U0001F600"));
  EXPECT_TRUE(message.contains(QStringLiteral(u"\"\u03bb\" (U+03BB)")));
  EXPECT_TRUE(message.contains(QStringLiteral(u"(U+1F600)")));

  // A lone surrogate (a broken paste) is refused too.
  QString broken = QStringLiteral("ab");
  broken.insert(1, QChar(0xD800));
  EXPECT_FALSE(Cp1252::Encode(broken).Ok());
}

}  // namespace
}  // namespace zelto
