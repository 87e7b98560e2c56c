#pragma once
// The one conversion between the Windows-1252 bytes that documents store and the QString
// that widgets show. All 256 byte values map to a character and back without loss.
#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>

namespace zelto {

// The characters of `bytes`.
QString FromCodePage(std::string_view bytes);

// The bytes of `text`, or nothing when it holds a character that the code page cannot hold.
std::optional<std::string> ToCodePage(QStringView text);

// The first character of `text` that the code page cannot hold, or nothing when every one
// fits (for a message that names it).
std::optional<QChar> FirstUnmappable(QStringView text);

}  // namespace zelto
