#pragma once
// What the document commands ask of crash recovery: the recovery copy of a document's
// unsaved changes is offered when the document is opened, goes when the changes are saved
// or dropped on purpose, and is written at once when the session ends without a question.
#include <string>

#include "model/DocumentFile.h"
#include "model/RecoveryFiles.h"

namespace zelto {

class RecoveryHooks {
 public:
  virtual ~RecoveryHooks() = default;
  // The document `documentPath` was just opened into `env`: offers its recovery copy.
  virtual RecoveryOffer OfferCopy(DocumentEnv& env, const std::string& documentPath) = 0;
  // The changes of `documentPath` were saved or dropped on purpose: its copy goes.
  virtual void DiscardCopy(const std::string& documentPath) = 0;
  // Writes the copy of the document's unsaved changes, as `documentPath`'s, and returns once
  // it is on disk: an empty text, or the reason it failed.
  virtual std::string WriteCopyNow(const std::string& documentPath) = 0;
};

}  // namespace zelto
