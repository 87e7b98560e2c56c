#pragma once
// The one open document: its categories and the state flags around them.
#include <cstdint>
#include <string_view>

#include "model/TabList.h"

namespace zelto {

// Whether the document changed since the last load or save. Every change to the document
// sets it, so each assignment also counts as a new revision: a copy taken in steps can tell
// whether the document changed between them.
class ModifiedFlag {
 public:
  ModifiedFlag& operator=(bool modified) {
    modified_ = modified;
    ++revision_;
    return *this;
  }
  operator bool() const { return modified_; }
  std::uint64_t Revision() const { return revision_; }
  // A change that leaves the flag as it is (a new, empty document).
  void NewRevision() { ++revision_; }

 private:
  bool modified_ = false;
  std::uint64_t revision_ = 0;
};

struct Document {
  static constexpr std::string_view signature = "ZELTO";
  static constexpr std::string_view fileVersion = "1.01";

  TabList tabs;
  ModifiedFlag modified;    // changed since the last load or save
  bool oldFormat = false;   // the loaded file has the older "1.00" layout
  bool cutPending = false;  // a category is cut and waits to be pasted
};

}  // namespace zelto
