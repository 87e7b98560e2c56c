#include "model/RecoveryFiles.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

#include "model/DocumentCodec.h"
#include "model/LinkResolution.h"
#include "model/RecoveryCopy.h"

namespace zelto {

namespace {

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

RecoveryFiles::RecoveryFiles(FileStore& files, std::string folder)
    : files_(files), folder_(std::move(folder)) {}

std::string RecoveryFiles::IdentityOf(const std::string& documentPath) {
  return DocumentIdentity(files_, documentPath);
}

std::string RecoveryFiles::CopyPathOf(const std::string& identity) const {
  return folder_ + "/" + RecoveryCopyName(identity);
}

std::string RecoveryFiles::SharedCopyPathOf(const std::string& identity,
                                            const std::string& runTag) const {
  return folder_ + "/" + SharedCopyName(identity, runTag);
}

std::string RecoveryFiles::Write(const TabList& tabs, const std::string& identity,
                                 const std::string& copyPath) {
  const std::string copy = copyPath.empty() ? CopyPathOf(identity) : copyPath;
  if (copy == identity) return "The recovery copy would replace the document itself";
  if (std::string reason = files_.MakePrivateFolder(folder_); !reason.empty()) return reason;
  return files_.WritePrivate(copy, EncodeRecoveryCopy(tabs, identity));
}

template <typename Wanted>
std::vector<std::string> RecoveryFiles::NewestFirst(Wanted wanted) {
  std::vector<std::pair<std::int64_t, std::string>> found;
  for (const std::string& name : files_.FileNames(folder_)) {
    if (!wanted(name)) continue;
    const std::string path = folder_ + "/" + name;
    found.emplace_back(files_.ModifiedTime(path).value_or(0), path);
  }
  std::sort(found.begin(), found.end(), std::greater<>());
  std::vector<std::string> paths;
  paths.reserve(found.size());
  for (auto& [time, path] : found) paths.push_back(std::move(path));
  return paths;
}

void RecoveryFiles::Remove(const std::string& identity) { files_.Remove(CopyPathOf(identity)); }

std::vector<std::string> RecoveryFiles::UnnamedCopies(const std::string& ownIdentity) {
  const std::string own = RecoveryCopyName(ownIdentity);
  return NewestFirst(
      [&own](const std::string& name) { return IsUnnamedCopyName(name) && name != own; });
}

std::vector<std::string> RecoveryFiles::SharedCopiesOf(const std::string& identity) {
  return NewestFirst(
      [&identity](const std::string& name) { return IsSharedCopyNameOf(identity, name); });
}

std::optional<std::string> RecoveryFiles::SetAside(const std::string& copyPath) {
  const std::string copyName = NameOf(copyPath);
  std::vector<int> taken;
  for (const std::string& name : files_.FileNames(folder_))
    if (const auto number = SetAsideNumber(copyName, name)) taken.push_back(*number);
  std::sort(taken.begin(), taken.end());
  const int next = taken.empty() ? 1 : taken.back() + 1;
  const std::string aside = folder_ + "/" + SetAsideName(copyName, next);
  if (!files_.Rename(copyPath, aside)) return std::nullopt;
  taken.push_back(next);
  // The numbers only grow, so the lowest are the oldest.
  const std::size_t surplus =
      taken.size() > KeptSetAsideCopies ? taken.size() - KeptSetAsideCopies : 0;
  for (std::size_t i = 0; i < surplus; ++i)
    files_.Remove(folder_ + "/" + SetAsideName(copyName, taken[i]));
  return aside;
}

std::string LocalTimeText(std::int64_t millisecondsSince1970) {
  const std::time_t seconds = static_cast<std::time_t>(millisecondsSince1970 / 1000);
  char text[32] = "";
  if (const std::tm* local = std::localtime(&seconds))
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local);
  return text;
}

std::string RestoreQuestion(const std::string& documentPath, std::int64_t copyTime,
                            bool documentExists, const std::string& folder) {
  return "A recovery copy of " + documentPath + " from " + LocalTimeText(copyTime) +
         " holds changes that were not saved.\n\nRestore them?\n\n" +
         (documentExists ? "No opens the file as it was last saved"
                         : "No starts without them, as the file no longer exists") +
         ", and keeps the copy in " + folder + ".";
}

namespace {

// A recovery copy as read from the recovery folder.
struct ReadCopy {
  std::optional<std::string> image;
  std::optional<RecoveryContent> content;  // a view into `image`
  DecodedDocument decoded;
  bool Sound() const { return content && decoded.isZelto && !decoded.Damaged(); }
};

ReadCopy Read(FileStore& files, const std::string& copy) {
  ReadCopy read;
  read.image = files.ReadAll(copy);
  if (read.image) read.content = DecodeRecoveryCopy(*read.image);
  if (read.content) read.decoded = DecodeDocument(read.content->documentBytes);
  return read;
}

RecoveryOffer ReportDamaged(DocumentEnv& env, RecoveryFiles& recovery, const std::string& copy,
                            const std::string& whose) {
  const std::optional<std::string> aside = recovery.SetAside(copy);
  env.ui.ShowMessage("The recovery copy of " + whose +
                     " is damaged and was not loaded. It is kept as " + aside.value_or(copy) + ".");
  return RecoveryOffer::Damaged;
}

void Restore(DocumentEnv& env, DecodedDocument& decoded, const std::string& fileName) {
  env.dialog.fileName = fileName;
  InstallDocument(env, std::move(decoded.tabs), std::move(decoded.notesOfNextCategory),
                  InstalledTabs::Unsaved);
}

// Offers the copy at `copy` of the document `documentPath`, whose identity is `identity`.
RecoveryOffer OfferCopyOf(DocumentEnv& env, RecoveryFiles& recovery,
                          const std::string& documentPath, const std::string& identity,
                          const std::string& copy) {
  FileStore& files = recovery.Files();
  if (!files.Exists(copy)) return RecoveryOffer::None;
  const std::optional<std::int64_t> copyTime = files.ModifiedTime(copy);
  const std::optional<std::int64_t> documentTime = files.ModifiedTime(identity);
  if (copyTime && documentTime && *copyTime <= *documentTime) {
    // The file was written after the copy: the copy holds nothing newer. It is kept aside
    // all the same rather than overwritten by the next copy.
    recovery.SetAside(copy);
    return RecoveryOffer::None;
  }

  ReadCopy read = Read(files, copy);
  // A sound copy that records another path belongs to another document whose name hashes
  // alike; it is left for that one.
  if (read.content && read.content->documentPath != identity) return RecoveryOffer::None;
  if (!read.Sound()) return ReportDamaged(env, recovery, copy, documentPath);

  if (!env.ui.AskYesNo(RestoreQuestion(documentPath, copyTime.value_or(0), documentTime.has_value(),
                                       recovery.Folder()))) {
    recovery.SetAside(copy);
    return RecoveryOffer::Declined;
  }
  Restore(env, read.decoded, documentPath);
  return RecoveryOffer::Restored;
}

}  // namespace

RecoveryOffer OfferRecoveryCopy(DocumentEnv& env, RecoveryFiles& recovery,
                                const std::string& documentPath) {
  const std::string identity = recovery.IdentityOf(documentPath);
  const std::string own = recovery.CopyPathOf(identity);
  RecoveryOffer result = OfferCopyOf(env, recovery, documentPath, identity, own);
  if (result == RecoveryOffer::Restored) return result;
  // Copies that programs made while another one held the file, left by a crash.
  for (const std::string& copy : recovery.SharedCopiesOf(identity)) {
    const RecoveryOffer offer = OfferCopyOf(env, recovery, documentPath, identity, copy);
    if (offer == RecoveryOffer::Restored) {
      // This program holds the file now: the copy is its own, replaced by its next one.
      recovery.Files().Rename(copy, own);
      return offer;
    }
    if (offer != RecoveryOffer::None) result = offer;
  }
  return result;
}

std::string UnnamedRestoreQuestion(std::int64_t copyTime, const std::string& folder) {
  return "A recovery copy of a new document from " + LocalTimeText(copyTime) +
         " holds changes that were never saved.\n\nRestore them?\n\nNo starts without them, "
         "and keeps the copy in " +
         folder + ".";
}

RecoveryOffer OfferUnnamedRecoveryCopy(DocumentEnv& env, RecoveryFiles& recovery,
                                       const std::string& ownIdentity) {
  FileStore& files = recovery.Files();
  RecoveryOffer result = RecoveryOffer::None;
  for (const std::string& copy : recovery.UnnamedCopies(ownIdentity)) {
    ReadCopy read = Read(files, copy);
    // A document of its own that happens to be called "Untitled-...": not an unnamed one.
    if (read.content && !IsUnnamedIdentity(read.content->documentPath)) continue;
    if (!read.Sound()) {
      result = ReportDamaged(env, recovery, copy, "a new document");
      continue;
    }
    if (!env.ui.AskYesNo(
            UnnamedRestoreQuestion(files.ModifiedTime(copy).value_or(0), recovery.Folder()))) {
      recovery.SetAside(copy);
      result = RecoveryOffer::Declined;
      continue;
    }
    Restore(env, read.decoded, "");
    // The copy is this run's now: replaced by its next copy, gone when the changes are saved.
    files.Rename(copy, recovery.CopyPathOf(ownIdentity));
    return RecoveryOffer::Restored;
  }
  return result;
}

}  // namespace zelto
