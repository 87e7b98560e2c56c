#pragma once
// The tool-bar button images and the program icon, drawn for this program.
#include <QIcon>

namespace zelto {

// The image of the tool-bar button that sends `commandId`; a null icon for other ids.
QIcon ButtonImage(int commandId);

// The program's icon (a note pad with a category tab).
QIcon ProgramIcon();

}  // namespace zelto
