#pragma once
// Running a program entry that came with a document asks first. A document can come from
// anyone, and a program entry shows only its description while its command can be
// anything; so the first time a command of a document is run, the user sees it whole and
// decides. Commands typed in this program, and those the user told not to ask about again,
// run without a question.
#include <functional>
#include <set>
#include <string>

#include "common/ProgramEntry.h"

namespace zelto {

inline constexpr const char RunButtonText[] = "&Run";
inline constexpr const char DoNotAskAgainText[] =
    "Do not ask again for this command in this document";

// The question before running: the whole command line as it will be started.
std::string RunQuestion(const ProgramLaunchPlan& plan);

// The name under which the settings remember that a command of a document may run: a hash
// of the document's identity (its full path, links resolved) and the command line.
std::string AllowedProgramKey(const std::string& documentIdentity, const std::string& command);

class ProgramPermissions {
 public:
  // How the settings remember a key (the value is written and read as a number, 1).
  struct Memory {
    std::function<bool(const std::string& key)> recalls;
    std::function<void(const std::string& key)> remember;
  };
  // `currentDocument` gives the identity of the open document, empty while it has no file.
  ProgramPermissions(Memory memory, std::function<std::string()> currentDocument);

  // Whether the command may run in the open document without a question.
  bool IsAllowed(const std::string& command) const;
  // The command runs from now on without a question in the open document: it was typed in
  // this program, or the user ticked "Do not ask again".
  void Allow(const std::string& command);

  // Another document is open now (loaded, restored or new).
  void DocumentReplaced();
  // The open document was saved, perhaps under a new name: what was allowed in it is
  // remembered for that name too.
  void DocumentSaved();

 private:
  Memory memory_;
  std::function<std::string()> currentDocument_;
  std::set<std::string> allowedHere_;  // allowed in the open document during this run
};

}  // namespace zelto
