#pragma once
// What the document commands ask of crash recovery: the recovery copy of a document's
// unsaved changes is offered when the document is opened, goes when the changes are saved
// or dropped on purpose, and is written at once when the session ends without a question.
#include <optional>
#include <string>

#include "model/DocumentFile.h"
#include "model/RecoveryFiles.h"

namespace zelto {

class RecoveryHooks {
 public:
  virtual ~RecoveryHooks() = default;
  // The document `documentPath` was just opened into `env`: offers its recovery copy.
  virtual RecoveryOffer OfferCopy(DocumentEnv& env, const std::string& documentPath) = 0;
  // Whether a recovery copy of `documentPath` is there to offer.
  virtual bool HasCopy(const std::string& documentPath) = 0;
  // At start-up: offers the copy of a new document that an earlier run never saved.
  virtual RecoveryOffer OfferUnnamedCopy(DocumentEnv& /*env*/) { return RecoveryOffer::None; }
  // The changes of `documentPath` were saved or dropped on purpose: its copy goes. An empty
  // path is the document that has no file yet.
  virtual void DiscardCopy(const std::string& documentPath) = 0;
  // Writes the copy of the document's unsaved changes, as `documentPath`'s (empty: the
  // document has no file yet), and returns once
  // it is on disk: an empty text, or the reason it failed.
  virtual std::string WriteCopyNow(const std::string& documentPath) = 0;
  // Sets the copy of `documentPath` aside, as after No to the restore question, so that no
  // later copy or save replaces it: its new path, or nothing when it could not be moved.
  virtual std::optional<std::string> SetAsideCopy(const std::string& documentPath) {
    (void)documentPath;
    return std::nullopt;
  }
  // Another program holds the file `documentPath` (empty: none does): while it does, this
  // program keeps its copies of that document under a name of its own, so that neither
  // program's copy replaces or deletes the other's.
  virtual void SetHeldElsewhere(const std::string& documentPath) { (void)documentPath; }
};

}  // namespace zelto
