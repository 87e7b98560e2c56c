#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zelto {
namespace {
constexpr const char* kCodePage = "windows-1252";
}

QString FromCodePage(std::string_view bytes) {
  QStringDecoder decode(kCodePage);
  if (!decode.isValid()) {
    // Without the codec the Latin-1 mapping is the closest that still loses nothing.
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::optional<std::string> ToCodePage(QStringView text) {
  QStringEncoder encode(kCodePage);
  if (!encode.isValid()) {
    for (QChar c : text) {
      if (c.unicode() > 0xFF) return std::nullopt;
    }
    const QByteArray latin = text.toLatin1();
    return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
  }
  const QByteArray bytes = encode(text);
  if (encode.hasError()) return std::nullopt;
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<QChar> FirstUnmappable(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
    QStringView one = text.mid(i, pair ? 2 : 1);
    if (!ToCodePage(one)) return text[i];
    if (pair) ++i;
  }
  return std::nullopt;
}

}  // namespace zelto
