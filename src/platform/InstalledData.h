#pragma once
// Where the program finds the files installed with it: the data folder of the installation
// it runs from (<prefix>/share beside <prefix>/bin).
#include <QString>
#include <QStringList>

namespace zelto {

// The installation's data folder as seen from the folder of the program file `programDir`;
// it need not exist (a program in a build folder has none).
QString InstalledDataFolder(const QString& programDir);
// The same for the running program.
QString InstalledDataFolder();
// The program's own folder in it (<prefix>/share/zelto), where the help file lies.
QString InstalledProgramDataFolder();

// The folders where the desktop looks for installed data files, most important first
// ($XDG_DATA_DIRS, by default /usr/local/share and /usr/share).
QStringList SystemDataFolders();

}  // namespace zelto
