#pragma once
// The scratch file that "View note in Notepad" hands to the text editor: "zelto.tmp" in a
// folder of the user's own, never in the current folder, where anyone who can write there
// could have put a link to another file in its place.
#include <QString>
#include <string_view>

namespace zelto {

inline constexpr const char ScratchFileName[] = "zelto.tmp";

// "Zelto" in the user's runtime folder (the cache folder where there is none).
QString PrivateScratchFolder();

struct ScratchFile {
  QString path;   // the file written
  QString error;  // not empty: it could not be written, and why
};

// Writes `bytes` to a new "zelto.tmp" in `folder`, which is created first and made private
// (mode 0700 on Linux). An earlier scratch file there is deleted and the new one is created
// afresh, readable by the user alone, so nothing found under its name is written through.
ScratchFile WriteScratchFile(std::string_view bytes, const QString& folder);

}  // namespace zelto
