#pragma once
// One writer at a time: a program that opens a document holds a lock file beside it, and
// another program that opens the same document learns who holds it.
#include <memory>
#include <string>

namespace zelto {

// A lock held by this program; it is released when the object goes.
class DocumentLock {
 public:
  virtual ~DocumentLock() = default;
  // The lock file.
  virtual const std::string& Path() const = 0;
};

struct LockAttempt {
  std::unique_ptr<DocumentLock> lock;  // the lock, now this program's
  // When another program holds the lock: who it is, in words for the user.
  std::string holder;
  // That program runs on this machine (it is alive: a lock of a dead one is taken over).
  bool holderOnThisMachine = false;

  bool HeldElsewhere() const { return !lock && !holder.empty(); }
};

class DocumentLocks {
 public:
  virtual ~DocumentLocks() = default;
  // The lock file of the document at `path`: one for every name the document is reached by.
  virtual std::string LockFileOf(const std::string& path) = 0;
  // Takes the lock of the document at `path`. Neither lock nor holder: no lock can be made
  // there (a folder that cannot be written), and the document is opened without one.
  virtual LockAttempt Lock(const std::string& path) = 0;
};

// The lock file beside the document whose full path, links resolved, is `identity`:
// "/notes/work.zlt" is locked by "/notes/.work.zlt.lock".
std::string LockFileName(const std::string& identity);

}  // namespace zelto
