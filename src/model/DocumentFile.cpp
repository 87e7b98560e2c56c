#include "model/DocumentFile.h"

#include <utility>

#include "model/DocumentCodec.h"
#include "model/LinkResolution.h"
#include "model/TreeOps.h"

namespace zelto {

namespace {

// Where the extension of a file name begins (at its '.'), or its length when it has none.
std::size_t ExtensionStart(const std::string& fileName) {
  const std::size_t separator = fileName.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = fileName.rfind('.');
  // A dot in a folder name, or one that only begins a hidden name, is no extension.
  if (dot == std::string::npos || dot <= nameStart) return fileName.size();
  return dot;
}

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

// Copies the bytes of a damaged file aside, beside the file itself (where a link points),
// under a name no save ever writes; a copy made earlier of the same bytes serves again.
// Returns the sentence that tells the user where the original is. When no copy can be made,
// the document is unbound from the file, so that a save cannot replace it. The load decodes
// the file as it reads it and keeps no image of it, so a damaged one is read again here.
std::string KeepDamagedOriginal(DocumentEnv& env, const std::string& path) {
  const std::string real =
      ResolveLinks(path, [&env](const std::string& p) { return env.files.LinkTarget(p); }).path;
  const std::optional<std::string> original = env.files.ReadAll(path);
  std::string reason = original ? "no free name" : "it could not be read again";
  for (int number = 1; original && number <= 9999; ++number) {
    const std::string copy = DamagedCopyName(real, number);
    if (env.files.Exists(copy)) {
      if (env.files.ReadAll(copy) == original)
        return "Its original content is kept as " + copy + ".";
      continue;
    }
    reason = env.files.WriteAtomic(copy, *original);
    if (reason.empty()) return "Its original content is kept as " + copy + ".";
    break;
  }
  env.dialog.fileName.clear();
  return "Its original content could not be kept aside (" + reason +
         "), so the document has no file name now: save it under a new name.";
}

}  // namespace

std::size_t InstallDocument(DocumentEnv& env, TabList tabs, NoteList notesOfNextCategory,
                            InstalledTabs installed) {
  ClearDocument(env.doc, env.list);
  env.doc.tabs = std::move(tabs);
  FillLevel(env.doc.tabs, NO_PARENT, env.list);
  env.doc.modified = installed == InstalledTabs::Unsaved;

  const std::size_t next = env.doc.tabs.Count();
  std::size_t leftOut = notesOfNextCategory.Count();
  int pos = env.list.FindStringExact(env.defaultCat);
  if (pos == CategoryList::None) {
    if (const auto index = AppendCategory(env.doc.tabs, env.defaultCat, 0, NO_PARENT)) {
      pos = env.list.AddString(env.defaultCat);
      env.list.SetItemData(pos, *index);
      env.doc.modified = true;
      if (*index == next) {
        env.doc.tabs[*index].notes = std::move(notesOfNextCategory);
        leftOut = 0;
      }
    }
  }
  env.list.SetSelIndex(pos);
  env.ui.DocumentLoaded();
  return leftOut;
}

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
  return fileName.substr(0, ExtensionStart(fileName)) + ".BAK";
}

std::string DamagedCopyName(const std::string& fileName, int number) {
  const std::size_t extension = ExtensionStart(fileName);
  std::string name = fileName.substr(0, extension) + ".damaged";
  if (number > 1) name += "." + std::to_string(number);
  return name + fileName.substr(extension);
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
  decoded.notesSkipped +=
      InstallDocument(env, std::move(decoded.tabs), std::move(decoded.notesOfNextCategory));
  decoded.nextCategoryNotes = 0;
  if (decoded.Damaged()) {
    std::string message = DamagedMessage(path, decoded);
    if (env.keepDamagedOriginal) message += ' ' + KeepDamagedOriginal(env, path);
    env.ui.ShowMessage(message);
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
  const std::string named = env.dialog.fileName;

  // A document reached through a symbolic link is written where the link points: the link
  // stays a link, and the backup goes beside the file that holds the content.
  const ResolvedPath target =
      ResolveLinks(named, [&env](const std::string& p) { return env.files.LinkTarget(p); });
  std::string refusal = target.error;
  if (refusal.empty() && target.endsInLink && !env.files.Exists(target.path))
    refusal = "the symbolic link points to " + target.path + ", which does not exist";
  if (!refusal.empty()) {
    env.dialog.fileName = previousName;
    env.ui.ShowMessage(SaveFailedMessage(named, refusal));
    return SaveResult::Failed;
  }
  const std::string& path = target.path;

  FileLayout layout = FileLayout::V101;
  if (env.doc.oldFormat && !env.ui.AskYesNo(VersionQuestion())) layout = FileLayout::V100;
  if (env.mayReplace && !env.mayReplace(named)) {
    env.dialog.fileName = previousName;
    return SaveResult::Cancelled;
  }
  const TabList& tabs = env.doc.tabs;
  const ContentWriter encode = [&tabs, layout](ByteSink& sink) {
    BufferedWriter out(sink);
    EncodeDocument(tabs, layout, out);
    out.Flush();
  };

  // The previous file becomes the backup only once the new content is safely written. It
  // is kept under the backup name while it still stands under its own, so that at every
  // moment the document's name holds the old or the new content, and the backup's name an
  // older or the previous one.
  const std::string backup = BackupName(path);
  const auto makeBackup = [&] {
    // A document named like its own backup keeps no backup; with no previous file to take
    // its place, an older backup stays.
    if (backup == path || !env.files.Exists(path)) return;
    env.files.BackUp(path, backup);
  };
  const std::string reason = env.files.WriteAtomicStream(path, encode, makeBackup);
  if (!reason.empty()) {
    env.dialog.fileName = previousName;
    env.ui.ShowMessage(SaveFailedMessage(named, reason));
    return SaveResult::Failed;
  }
  env.doc.modified = false;
  return SaveResult::Saved;
}

}  // namespace zelto
