#include "platform/Cp1252.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace zelto::Cp1252 {

namespace {

constexpr const char* CodecName = "windows-1252";

// The 256 characters of the code page, as the decoder gives them.
const QSet<char32_t>& CodePageCharacters() {
  static const QSet<char32_t> characters = [] {
    QSet<char32_t> set;
    QStringDecoder decoder(CodecName);
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      const QString one = decoder.decode(QByteArrayView(&byte, 1));
      const auto units = one.toUcs4();
      if (units.size() == 1) set.insert(units.front());
    }
    return set;
  }();
  return characters;
}

}  // namespace

QString Decode(std::string_view bytes) {
  QStringDecoder decoder(CodecName);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString UnmappableCharacters(const QString& text) {
  const QSet<char32_t>& known = CodePageCharacters();
  QString found;
  QSet<char32_t> seen;
  for (char32_t c : text.toUcs4()) {
    if (known.contains(c) || seen.contains(c)) continue;
    seen.insert(c);
    found += QString::fromUcs4(&c, 1);
  }
  return found;
}

bool CanEncode(const QString& text) { return UnmappableCharacters(text).isEmpty(); }

Encoded Encode(const QString& text) {
  Encoded result;
  QStringEncoder encoder(CodecName);
  const QByteArray bytes = encoder.encode(text);
  // A lone surrogate or a character without a byte sets the error; name what was refused.
  if (encoder.hasError()) {
    result.unmappable = UnmappableCharacters(text);
    if (result.unmappable.isEmpty()) result.unmappable = QChar(QChar::ReplacementCharacter);
    return result;
  }
  result.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return result;
}

QString RefusalMessage(const QString& unmappable) {
  QStringList names;
  for (char32_t c : unmappable.toUcs4())
    names << QStringLiteral("\"%1\" (U+%2)")
                 .arg(QString::fromUcs4(&c, 1))
                 .arg(QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0'));
  return QStringLiteral(
             "The text holds characters that cannot be stored: %1. "
             "Remove or replace them and try again.")
      .arg(names.join(QStringLiteral(", ")));
}

}  // namespace zelto::Cp1252
