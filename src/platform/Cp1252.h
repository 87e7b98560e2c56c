#pragma once
// The one conversion between the Windows-1252 bytes that notes and category names are
// made of and the QString of the widgets. Every one of the 256 byte values maps to a
// character and back, so nothing stored is changed by showing and editing it; a
// character that the code page cannot hold is reported, never replaced.
#include <QString>
#include <string>
#include <string_view>

namespace zelto::Cp1252 {

// The characters of a byte text.
QString Decode(std::string_view bytes);

struct Encoded {
  std::string bytes;   // complete only when Ok()
  QString unmappable;  // the characters the code page cannot hold, each once, in order
  bool Ok() const { return unmappable.isEmpty(); }
};

// The bytes of a text, or the characters that keep it from being stored.
Encoded Encode(const QString& text);

// True when every character of `text` has a byte in the code page.
bool CanEncode(const QString& text);

// The characters of `text` that the code page cannot hold, each once, in the order of
// their first appearance (a character beyond the 16-bit range counts as one).
QString UnmappableCharacters(const QString& text);

// The message for a refused text, naming the characters.
QString RefusalMessage(const QString& unmappable);

}  // namespace zelto::Cp1252
