#pragma once
// The whole state of a document as text, cut and deleted categories included (which the
// file leaves out): one line per category with its index, and one per note, in table order.
// Two documents are the same exactly when their dumps are.
#include <string>

#include "model/Document.h"

namespace zelto::testing {

inline std::string DocumentDump(const Document& doc) {
  std::string out = doc.cutPending ? "cut pending\n" : "";
  for (std::size_t i = 0; i < doc.tabs.Count(); ++i) {
    const Tab& tab = doc.tabs[i];
    out += std::to_string(i) + " [" + tab.text + "] flags " + std::to_string(tab.flags) +
           " parent " + std::to_string(tab.parent) + " state " +
           std::to_string(static_cast<int>(tab.state)) + "\n";
    for (const NoteString& note : tab.notes)
      out += "  [" + note.text + "] " + std::to_string(note.flags) + "\n";
  }
  return out;
}

}  // namespace zelto::testing
