#include "model/ExportWalk.h"

namespace zelto {

void WalkExportTree(const TabList& tabs, ExportWriter& writer) {
  // Normal children of every category, in TabList order; index Count() holds the top level.
  const std::size_t top = tabs.Count();
  std::vector<std::vector<std::size_t>> children(top + 1);
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    const Tab& t = tabs[i];
    if (!t.IsNormal()) continue;
    if (t.parent == NO_PARENT)
      children[top].push_back(i);
    else if (t.parent < tabs.Count() && t.parent != i)
      children[t.parent].push_back(i);
  }

  struct Frame {
    std::size_t index;
    std::size_t nextChild = 0;
  };
  std::vector<Frame> stack{Frame{top}};
  std::vector<ExportCategory> path;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    const auto& kids = children[frame.index];
    if (frame.nextChild < kids.size()) {
      const std::size_t child = kids[frame.nextChild++];
      path.push_back({tabs[child].text, tabs[child].flags});
      writer.BeginCategory(path);
      for (const NoteString& note : tabs[child].notes) writer.Note(note.text, note.flags);
      stack.push_back(Frame{child});
    } else {
      if (frame.index != top) {
        writer.EndCategory(path.size());
        path.pop_back();
      }
      stack.pop_back();
    }
  }
}

}  // namespace zelto
