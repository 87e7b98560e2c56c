#pragma once
// Tells the desktop that .zlt files are Brindamor documents, and forgets it again.
//
// On Windows: the keys "Zelto.Application", "Zelto.Document.1" and ".zlt" under
// HKEY_CLASSES_ROOT. Elsewhere (freedesktop desktops) the installation provides three files
// under <prefix>/share, all named by the program's desktop id:
//   mime/packages/<id>.xml                 the type application/x-zelto: *.zlt and the
//                                          bytes every document file begins with
//   applications/<id>.desktop              the program, opening "zelto %f"
//   icons/hicolor/scalable/apps/<id>.svg   the icon of the program and its documents
// A program that runs from elsewhere (a build folder) writes the same files under the user's
// data folder ($XDG_DATA_HOME, usually ~/.local/share), its desktop entry starting that
// program; under the same names they take the place of installed ones for this user, so the
// desktop never lists the program twice. The desktop's databases are refreshed afterwards
// when their tools are installed. Removal deletes exactly the files the program wrote there.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zelto {

enum class RegistrationStatus {
  Written,    // the files were written (or replaced)
  Unchanged,  // the files were already there with the same content
  Removed,    // at least one file was removed
  Absent,     // there was nothing to remove
  Failed,     // a file could not be written or removed
};

// One file of the registration, relative to the data folder.
struct RegistrationFile {
  QString relativePath;
  QByteArray content;
};

// The Exec field of a desktop entry that starts `program` on one file. The path is quoted
// only when it holds a character that the desktop entry format reserves (a blank, a quote,
// '$' and the like): simple openers such as xdg-open's generic mode take a quoted path
// literally, quotes and all, and cannot start it.
QString DesktopExecLine(const QString& program);

class FileTypeRegistration {
 public:
  // Runs a desktop tool (update-mime-database, update-desktop-database) with its arguments.
  using ToolRunner = std::function<void(const QString& tool, const QStringList& args)>;

  // `program`: full path of the program file; `dataHome`: the user's data folder.
  FileTypeRegistration(QString program, QString dataHome);

  // The user's data folder of this system ($XDG_DATA_HOME or ~/.local/share).
  static QString DefaultDataHome();
  // The runner used unless replaced: runs the tool when it is on PATH, waiting a few
  // seconds at most, and ignores its failures.
  static void RunToolIfPresent(const QString& tool, const QStringList& args);

  void SetToolRunner(ToolRunner runner) { runTool_ = std::move(runner); }

  // The files of the registration with their content.
  std::vector<RegistrationFile> Files() const;

  // Whether the installation whose data folder is `dataFolder` provides the registration to
  // the desktop: the folder is one of `systemDataFolders` and holds all its files.
  static bool InstalledForDesktop(const QString& dataFolder, const QStringList& systemDataFolders);

  // Writes the registration. Files that already hold the right content are left alone, and
  // the desktop tools run only when something changed, so a normal start costs no writing.
  // The files of older versions, under other names, are removed.
  RegistrationStatus Register();
  // Removes the registration, and the files of older versions.
  RegistrationStatus Unregister();
  // Removes only the files of older versions: for a program whose installation provides
  // the registration.
  RegistrationStatus RemoveFormerFiles();

 private:
  // Removes `paths` and refreshes the desktop when one went.
  RegistrationStatus Remove(const QStringList& paths);
  QStringList FormerFilesPresent() const;
  void RefreshDesktop();

  QString program_;
  QString dataHome_;
  ToolRunner runTool_;
};

// The program's icon as an SVG document, as installed for the desktop.
QByteArray ProgramIconSvg();

// The registration of this platform for the program file `program`: the registry keys on
// Windows; elsewhere the files above under DefaultDataHome(), unless the installation the
// program runs from provides them.
RegistrationStatus RegisterFileType(const QString& program);
RegistrationStatus UnregisterFileType(const QString& program);

}  // namespace zelto
