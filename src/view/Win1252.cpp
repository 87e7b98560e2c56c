#include "view/Win1252.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace zelto {

QString FromWin1252(std::string_view bytes) {
  QStringDecoder decoder("windows-1252");
  QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!decoder.isValid() || decoder.hasError()) {
    // Without the code page the bytes still show as Latin-1, one character each.
    text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  return text;
}

}  // namespace zelto
