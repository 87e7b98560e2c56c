#include "model/DocumentFile.h"

#include <utility>

#include "model/DocumentCodec.h"
#include "model/TreeOps.h"

namespace zelto {

namespace {

std::string VersionQuestion() {
  return "Save file in Brindamor " + std::string(Document::fileVersion) + " format?";
}

std::string DamagedMessage(const std::string& fileName, const DecodedDocument& decoded) {
  std::string text = "The file " + fileName + " is damaged.";
  if (decoded.truncated) text += " Only part of it could be read.";
  if (decoded.parentsRepaired > 0) {
    text += ' ';
    text += std::to_string(decoded.parentsRepaired);
    text += " categories without a valid parent were moved to the top level.";
  }
  if (decoded.notesSkipped > 0) {
    text += ' ';
    text += std::to_string(decoded.notesSkipped);
    text += " notes without a valid category were left out.";
  }
  return text;
}

// Makes `tabs` the document: the category list shows the top level, the default
// category exists at the top level and is selected.
void InstallDocument(DocumentEnv& env, TabList tabs) {
  ClearDocument(env.doc, env.list);
  env.doc.tabs = std::move(tabs);
  env.doc.cutPending = false;  // a loaded document has no category waiting to be pasted
  FillLevel(env.doc.tabs, NO_PARENT, env.list);
  env.doc.modified = false;

  int pos = env.list.FindStringExact(env.defaultCat);
  if (pos == CategoryList::None) {
    if (const auto index = AppendCategory(env.doc.tabs, env.defaultCat, 0, NO_PARENT)) {
      pos = env.list.AddString(env.defaultCat);
      env.list.SetItemData(pos, *index);
      env.doc.modified = true;
    }
  }
  env.list.SetSelIndex(pos);
  env.ui.DocumentLoaded();
}

}  // namespace

std::unique_ptr<FileReader> FileStore::OpenForReading(const std::string& path) {
  std::optional<std::string> content = ReadAll(path);
  if (!content) return nullptr;
  return std::make_unique<MemoryFileReader>(std::move(*content));
}

std::string FileStore::WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                         const std::function<void()>& beforeReplace) {
  std::string whole;
  StringSink sink(whole);
  content(sink);
  return WriteAtomic(path, whole, beforeReplace);
}

void SetDocumentDialog(FileDialogData& data) {
  data.filter = DocumentFilter;
  data.defaultExt = DocumentDefaultExt;
  data.flags = DocumentDialogFlags;
}

std::string BackupName(const std::string& fileName) {
  const std::size_t separator = fileName.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = fileName.rfind('.');
  // A dot in a folder name, or one that only begins a hidden name, is no extension.
  if (dot == std::string::npos || dot <= nameStart) return fileName + ".BAK";
  return fileName.substr(0, dot) + ".BAK";
}

std::string SaveFailedMessage(const std::string& fileName, const std::string& reason) {
  return "Could not save " + fileName + ": " + reason;
}

LoadResult LoadDocument(DocumentEnv& env, const std::optional<std::string>& name) {
  SetDocumentDialog(env.dialog);
  const std::string path = name ? *name : env.dialog.fileName;
  const std::unique_ptr<FileReader> file = env.files.OpenForReading(path);
  if (!file && !env.files.Exists(path)) {
    // No such file yet: a new, empty document that a save will create.
    env.dialog.fileName = path;
    InstallDocument(env, TabList());
    return LoadResult::NewDocument;
  }
  DecodedDocument decoded;
  bool readable = file != nullptr;
  if (file) {
    // Decoded as it is read, so that the file is never held whole beside its records.
    ByteWindow in(*file);
    decoded = DecodeDocument(in);
    readable = !in.Failed();
  }
  if (!readable) {
    // A file that is there but cannot be read is refused like a foreign one: binding the
    // document to its name would let the next saves replace it and then its backup.
    env.ui.ShowMessage("Could not read " + path + ".");
    return LoadResult::NotZelto;
  }
  if (!decoded.isZelto) {
    // The document and its file name stay, so a save cannot overwrite the refused file.
    env.ui.ShowMessage("Not a Brindamor data file!");
    return LoadResult::NotZelto;
  }
  env.dialog.fileName = path;
  env.doc.oldFormat = decoded.layout == FileLayout::V100;
  InstallDocument(env, std::move(decoded.tabs));
  if (decoded.Damaged()) {
    env.ui.ShowMessage(DamagedMessage(path, decoded));
    return LoadResult::Damaged;
  }
  return LoadResult::Loaded;
}

SaveResult SaveDocument(DocumentEnv& env, const std::optional<std::string>& name) {
  SetDocumentDialog(env.dialog);
  const std::string previousName = env.dialog.fileName;
  if (name) env.dialog.fileName = *name;
  if (env.dialog.fileName.empty()) {
    const std::optional<std::string> chosen = env.ui.AskSaveFileName(env.dialog);
    if (!chosen || chosen->empty()) return SaveResult::Cancelled;
    env.dialog.fileName = *chosen;
  }
  const std::string path = env.dialog.fileName;

  FileLayout layout = FileLayout::V101;
  if (env.doc.oldFormat && !env.ui.AskYesNo(VersionQuestion())) layout = FileLayout::V100;
  const TabList& tabs = env.doc.tabs;
  const ContentWriter encode = [&tabs, layout](ByteSink& sink) {
    BufferedWriter out(sink);
    EncodeDocument(tabs, layout, out);
    out.Flush();
  };

  // The previous file becomes the backup only once the new content is safely written.
  const std::string backup = BackupName(path);
  bool movedToBackup = false;
  const auto makeBackup = [&] {
    // A document named like its own backup keeps no backup; with no previous file to take
    // its place, an older backup stays.
    if (backup == path || !env.files.Exists(path)) return;
    if (env.files.Exists(backup)) env.files.Remove(backup);
    movedToBackup = env.files.Rename(path, backup);
  };
  const std::string reason = env.files.WriteAtomicStream(path, encode, makeBackup);
  if (!reason.empty()) {
    if (movedToBackup && !env.files.Exists(path)) env.files.Rename(backup, path);
    env.dialog.fileName = previousName;
    env.ui.ShowMessage(SaveFailedMessage(path, reason));
    return SaveResult::Failed;
  }
  env.doc.modified = false;
  return SaveResult::Saved;
}

}  // namespace zelto
