#pragma once
// The default of the NotePad setting: the text editor that "View note in Notepad" starts.
#include <string>
#include <vector>

namespace zelto {

// The desktop text editors looked for on Linux, most common first.
const std::vector<std::string>& KnownTextEditors();

// On Windows the system's Notepad (Windows folder + "\notepad.exe"); elsewhere the full path
// of the first known text editor found on PATH, else "xdg-open", which hands the file to
// the desktop's editor for text files.
std::string DefaultNotePad();

}  // namespace zelto
