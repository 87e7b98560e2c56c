#pragma once
// Document locks as lock files (QLockFile) beside the document: the lock file names the
// process, its machine and its user. A lock left by a process of this machine that no
// longer runs (a crash) is taken over; one of another machine is never taken for stale,
// since whether that process still runs cannot be known here.
#include "model/DocumentLock.h"
#include "platform/QtFileStore.h"

namespace zelto {

class QtDocumentLocks : public DocumentLocks {
 public:
  std::string LockFileOf(const std::string& path) override;
  LockAttempt Lock(const std::string& path) override;

 private:
  QtFileStore files_;
};

}  // namespace zelto
