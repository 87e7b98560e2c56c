#pragma once
// What the user is told and asked when the document's file is shared with other programs:
// another program changed it on disk, or holds its lock.
#include <string>

namespace zelto {

// The question when `fileName` changed on disk while the window has unsaved changes.
// `maySaveOver`: the document is not read-only, so saving over the file is offered.
std::string OutsideChangeQuestion(const std::string& fileName, bool maySaveOver);
// The question when another program, `holder`, holds the lock of `fileName` being opened.
std::string LockedDocumentQuestion(const std::string& fileName, const std::string& holder);
// Why Save As does not write to `fileName`, whose lock `lockFile` another program holds.
std::string LockedSaveMessage(const std::string& fileName, const std::string& holder,
                              const std::string& lockFile);
// The status note after a reload; `asidePath` names the copy of the unsaved changes set
// aside before it (empty: there were none).
std::string ReloadedNote(const std::string& fileName, const std::string& asidePath);
// Why a reload did not happen: the unsaved changes could not be set aside.
std::string SetAsideFailedMessage(const std::string& fileName, const std::string& reason);
std::string RemovedNote(const std::string& fileName);
std::string ReadOnlyNote(const std::string& fileName);

}  // namespace zelto
