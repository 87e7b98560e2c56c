#pragma once
// Loading and saving a document (.zlt files, layouts "1.00" and "1.01").
// The user is reached through DocumentUi and the disk through FileStore, so the whole
// procedure runs in tests without a window or a real file system.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ByteSink.h"
#include "model/ByteWindow.h"
#include "model/CategoryList.h"
#include "model/Document.h"
#include "model/FileIdentity.h"

namespace zelto {

// Options of a file dialog (FileDialogData::flags).
inline constexpr std::uint32_t FileDialogOverwritePrompt = 0x0002;
inline constexpr std::uint32_t FileDialogHideReadOnly = 0x0004;
inline constexpr std::uint32_t FileDialogNoChangeDir = 0x0008;
inline constexpr std::uint32_t FileDialogPathMustExist = 0x0800;
inline constexpr std::uint32_t FileDialogFileMustExist = 0x1000;

// The data a file dialog works on; `fileName` is the document's file name (empty: none yet).
struct FileDialogData {
  std::string fileName;
  std::string filter;
  std::string defaultExt;
  std::uint32_t flags = 0;
};

// Questions and messages for the user, and the note window's reaction to a load.
class DocumentUi {
 public:
  virtual ~DocumentUi() = default;
  // The file-save dialog on `data`; the chosen name, or nothing when cancelled.
  virtual std::optional<std::string> AskSaveFileName(const FileDialogData& data) = 0;
  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // After a completed load: the note window goes back to its first row and repaints.
  virtual void DocumentLoaded() {}
};

// Writes the content of a file, front to back, into the sink it is given.
using ContentWriter = std::function<void(ByteSink&)>;

// The disk, as loading and saving use it.
class FileStore {
 public:
  virtual ~FileStore() = default;
  // The whole content, or nothing when the file cannot be opened.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // The file opened for reading front to back, or nothing when it cannot be opened. A store
  // that cannot do better serves the whole content from ReadAll.
  virtual std::unique_ptr<FileReader> OpenForReading(const std::string& path);
  virtual bool Exists(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Writes `data` so that `path` changes only once the new content is complete and on
  // disk. `beforeReplace` runs after the new content is safely written and just before it
  // takes the place of `path`. Returns an empty text on success, else the reason.
  virtual std::string WriteAtomic(const std::string& path, std::string_view data,
                                  const std::function<void()>& beforeReplace = {}) = 0;
  // The same, with the content written as `content` makes it, so that it need not be held
  // whole. When the sink refuses any of it, nothing is replaced and the reason is returned.
  // A store that cannot do better gathers the content and hands it to WriteAtomic.
  virtual std::string WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                        const std::function<void()>& beforeReplace = {});
  // Makes `backup` hold what `path` holds now, replacing an older backup in one step, while
  // `path` itself stays where it is: a save that stops half-way never leaves the document's
  // name without a file. An empty text on success, else the reason. This copies; a store on
  // a real disk may link the file instead.
  virtual std::string BackUp(const std::string& path, const std::string& backup) {
    const std::optional<std::string> bytes = ReadAll(path);
    if (!bytes) return "The file " + path + " could not be read";
    return WriteAtomic(backup, *bytes);
  }
  // The target of a symbolic link as the link stores it; nothing when `path` is no link (or
  // the store knows no links).
  virtual std::optional<std::string> LinkTarget(const std::string& path) {
    (void)path;
    return std::nullopt;
  }

  // What the recovery copies need besides. Each has a default for a store without folders
  // or clocks.
  // The full path of `path` (a relative one is taken from the current folder).
  virtual std::string AbsolutePath(const std::string& path) { return path; }
  // When the file was last written, in milliseconds since 1970; nothing when it is not there.
  virtual std::optional<std::int64_t> ModifiedTime(const std::string& path) {
    (void)path;
    return std::nullopt;
  }
  // The names of the files in `folder`.
  virtual std::vector<std::string> FileNames(const std::string& folder) {
    (void)folder;
    return {};
  }
  // Creates `folder` and its parents when missing; the folder itself is made openable by its
  // owner alone. An empty text on success, else the reason.
  virtual std::string MakePrivateFolder(const std::string& folder) {
    (void)folder;
    return {};
  }
  // WriteAtomic for a file that only its owner may read or write.
  virtual std::string WritePrivate(const std::string& path, std::string_view data) {
    return WriteAtomic(path, data);
  }
  // What identifies the file at `path` now, links followed; nothing when no file is there.
  virtual std::optional<FileIdentity> Identify(const std::string& path) {
    return IdentityFromContent(*this, path);
  }
};

// The document's file dialog, set up by every load and save.
inline constexpr std::string_view DocumentFilter = "Zelto files (*.zlt)|*.zlt|";
inline constexpr std::string_view DocumentDefaultExt = "zlt";
inline constexpr std::uint32_t DocumentDialogFlags =
    FileDialogHideReadOnly | FileDialogFileMustExist | FileDialogOverwritePrompt;

// Puts the document filter, extension and flags into `data`, keeping its file name.
void SetDocumentDialog(FileDialogData& data);

// Everything a load or save works on.
struct DocumentEnv {
  Document& doc;
  CategoryList& list;
  FileDialogData& dialog;
  DocumentUi& ui;
  FileStore& files;
  std::string defaultCat;  // the DefaultCat setting
  // A damaged file is copied aside before anything can be saved over it. Off where the
  // document is only read.
  bool keepDamagedOriginal = true;
  // Asked just before a save writes to `fileName` (the name the document is saved under):
  // false stops the save, which then writes nothing and returns Cancelled.
  std::function<bool(const std::string& fileName)> mayReplace = {};
};

// NewDocument: there is no such file; the document is empty and bound to the name.
// NotZelto: the file was refused (not a document, or it cannot be read) with a message;
// the document and its file name are as they were. Damaged: a message said what was lost.
enum class LoadResult { Loaded, NewDocument, NotZelto, Damaged };
enum class SaveResult { Saved, Cancelled, Failed };

// Makes `tabs` the document, as a load does: the category list shows the top level, and the
// default category exists at the top level and is selected; `modified` is set only when it
// had to be added. `notesOfNextCategory` go into the default category when it is added after
// the last category of `tabs`; the count of those left out is returned. `Unsaved` tabs (a
// recovery copy) count as changed from the moment they are installed, before the window
// hears of the new document.
enum class InstalledTabs { AsInFile, Unsaved };
std::size_t InstallDocument(DocumentEnv& env, TabList tabs, NoteList notesOfNextCategory = {},
                            InstalledTabs installed = InstalledTabs::AsInFile);

// Reads the file named by `name` (or by env.dialog.fileName) into the document.
LoadResult LoadDocument(DocumentEnv& env, const std::optional<std::string>& name = std::nullopt);
// Writes the document to `name` (or env.dialog.fileName; asks for a name when empty).
SaveResult SaveDocument(DocumentEnv& env, const std::optional<std::string>& name = std::nullopt);

// The ".BAK" name of a document file name: the name's extension (from the last '.' of its
// last path component) replaced by ".BAK", or ".BAK" appended when it has none.
std::string BackupName(const std::string& fileName);

// Where a damaged document file is kept: "work.zlt" as "work.damaged.zlt", then
// "work.damaged.2.zlt" and on when `number` is above 1.
std::string DamagedCopyName(const std::string& fileName, int number);

// The message of a failed write.
std::string SaveFailedMessage(const std::string& fileName, const std::string& reason);

}  // namespace zelto
