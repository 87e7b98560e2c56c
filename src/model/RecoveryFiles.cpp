#include "model/RecoveryFiles.h"

#include <algorithm>
#include <ctime>
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

std::string RecoveryFiles::Write(const TabList& tabs, const std::string& identity) {
  const std::string copy = CopyPathOf(identity);
  if (copy == identity) return "The recovery copy would replace the document itself";
  if (std::string reason = files_.MakePrivateFolder(folder_); !reason.empty()) return reason;
  return files_.WritePrivate(copy, EncodeRecoveryCopy(tabs, identity));
}

void RecoveryFiles::Remove(const std::string& identity) { files_.Remove(CopyPathOf(identity)); }

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

RecoveryOffer OfferRecoveryCopy(DocumentEnv& env, RecoveryFiles& recovery,
                                const std::string& documentPath) {
  FileStore& files = recovery.Files();
  const std::string identity = recovery.IdentityOf(documentPath);
  const std::string copy = recovery.CopyPathOf(identity);
  if (!files.Exists(copy)) return RecoveryOffer::None;
  const std::optional<std::int64_t> copyTime = files.ModifiedTime(copy);
  const std::optional<std::int64_t> documentTime = files.ModifiedTime(identity);
  if (copyTime && documentTime && *copyTime <= *documentTime) {
    // The file was written after the copy: the copy holds nothing newer. It is kept aside
    // all the same rather than overwritten by the next copy.
    recovery.SetAside(copy);
    return RecoveryOffer::None;
  }

  const std::optional<std::string> image = files.ReadAll(copy);
  const std::optional<RecoveryContent> content = image ? DecodeRecoveryCopy(*image) : std::nullopt;
  // A sound copy that records another path belongs to another document whose name hashes
  // alike; it is left for that one.
  if (content && content->documentPath != identity) return RecoveryOffer::None;
  DecodedDocument decoded;
  if (content) decoded = DecodeDocument(content->documentBytes);
  if (!content || !decoded.isZelto || decoded.Damaged()) {
    const std::optional<std::string> aside = recovery.SetAside(copy);
    env.ui.ShowMessage("The recovery copy of " + documentPath +
                       " is damaged and was not loaded. It is kept as " + aside.value_or(copy) +
                       ".");
    return RecoveryOffer::Damaged;
  }

  if (!env.ui.AskYesNo(RestoreQuestion(documentPath, copyTime.value_or(0), documentTime.has_value(),
                                       recovery.Folder()))) {
    recovery.SetAside(copy);
    return RecoveryOffer::Declined;
  }
  InstallDocument(env, std::move(decoded.tabs), std::move(decoded.notesOfNextCategory));
  env.dialog.fileName = documentPath;
  env.doc.modified = true;
  return RecoveryOffer::Restored;
}

}  // namespace zelto
