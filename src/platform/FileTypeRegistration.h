#pragma once
// Tells the desktop that .zlt files are Brindamor documents, and forgets it again.
//
// On Windows: the keys "Zelto.Application", "Zelto.Document.1" and ".zlt" under
// HKEY_CLASSES_ROOT. Elsewhere (freedesktop desktops) three files under the user's data
// folder ($XDG_DATA_HOME, usually ~/.local/share):
//   mime/packages/zelto.xml                 the type application/x-zelto: *.zlt and the
//                                           bytes every document file begins with
//   applications/zelto.desktop              the program, opening "zelto %f"
//   icons/hicolor/scalable/apps/zelto.svg   the icon of the program and its documents
// after which the desktop's databases are refreshed when their tools are installed.
// Removal deletes exactly these files and nothing else.
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

// The Exec field of a desktop entry that starts `program` on one file: the path quoted as
// the desktop entry format requires, so that blanks, quotes, '$' or '%' in it are safe.
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

  // Writes the registration. Files that already hold the right content are left alone, and
  // the desktop tools run only when something changed, so a normal start costs no writing.
  RegistrationStatus Register();
  // Removes the registration.
  RegistrationStatus Unregister();

 private:
  void RefreshDesktop();

  QString program_;
  QString dataHome_;
  ToolRunner runTool_;
};

// The icon drawn for the program (an SVG document).
QByteArray ProgramIconSvg();

// The registration of this platform for the program file `program`: the registry keys on
// Windows, the files above under DefaultDataHome() elsewhere.
RegistrationStatus RegisterFileType(const QString& program);
RegistrationStatus UnregisterFileType(const QString& program);

}  // namespace zelto
