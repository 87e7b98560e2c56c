#include "model/TextExport.h"

#include <utility>
#include <vector>

#include "model/ExportSave.h"

namespace zelto {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view Separator = "------------------------------------------------\r\n";

// Appends `text` with every line break as one CR LF: a lone LF gains its CR, an existing
// CR LF stays as it is.
void AppendText(std::string_view text, std::string& out) {
  std::size_t start = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
       lf = text.find('\n', lf + 1)) {
    out.append(text.substr(start, lf - start));
    out.append(lf > 0 && text[lf - 1] == '\r' ? "\n" : "\r\n");
    start = lf + 1;
  }
  out.append(text.substr(start));
}

// Normal children of every category, in TabList order; index Count() holds the top level.
std::vector<std::vector<std::size_t>> NormalChildren(const TabList& tabs) {
  std::vector<std::vector<std::size_t>> children(tabs.Count() + 1);
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    const Tab& t = tabs[i];
    if (!t.IsNormal()) continue;
    if (t.parent == NO_PARENT)
      children[tabs.Count()].push_back(i);
    else if (t.parent < tabs.Count() && t.parent != i)
      children[t.parent].push_back(i);
  }
  return children;
}

// The category's own lines: header and notes.
void AppendHeaderAndNotes(const Tab& tab, const std::string& path, std::string& out) {
  out.append(Separator);
  AppendText(path, out);
  out.append(LineEnd);
  out.append(Separator);
  for (const NoteString& note : tab.notes) {
    AppendText(note.text, out);
    out.append(LineEnd);
  }
}

// Writes the subtree of `root` without recursion, so that a deep tree cannot exhaust the
// stack. Every category sits in one child list only, so none is written twice, and
// categories whose parent chain runs in a circle are never reached.
void ExportSubtree(const TabList& tabs, const std::vector<std::vector<std::size_t>>& children,
                   std::size_t root, const std::string& prefix, std::string& out) {
  struct Frame {
    std::size_t index;
    std::string path;
    std::size_t nextChild = 0;
  };
  std::vector<Frame> stack;
  const auto enter = [&](std::size_t index, std::string path) {
    AppendHeaderAndNotes(tabs[index], path, out);
    stack.push_back(Frame{index, std::move(path)});
  };
  enter(root, prefix + "/" + tabs[root].text);
  while (!stack.empty()) {
    Frame& top = stack.back();
    const auto& kids = children[top.index];
    if (top.nextChild < kids.size()) {
      const std::size_t child = kids[top.nextChild++];
      enter(child, top.path + "/" + tabs[child].text);
    } else {
      out.append(LineEnd);
      stack.pop_back();
    }
  }
}

}  // namespace

void SetTextExportDialog(FileDialogData& data) {
  data.filter = TextExportFilter;
  data.defaultExt = TextExportDefaultExt;
  data.flags = TextExportDialogFlags;
}

void ExportCategory(const TabList& tabs, std::size_t index, const std::string& prefix,
                    std::string& out) {
  if (!tabs.Valid(index)) return;
  ExportSubtree(tabs, NormalChildren(tabs), index, prefix, out);
}

std::string ExportText(const TabList& tabs) {
  const auto children = NormalChildren(tabs);
  std::string out;
  for (std::size_t top : children[tabs.Count()]) ExportSubtree(tabs, children, top, "", out);
  return out;
}

std::string WriteTextExport(const TabList& tabs, FileStore& files, const std::string& path) {
  return files.WriteAtomic(path, ExportText(tabs));
}

SaveResult SaveAsText(const TabList& tabs, FileDialogData& dialog, DocumentUi& ui,
                      FileStore& files) {
  SetTextExportDialog(dialog);
  return SaveExportWithDialog(
      dialog, ui, [&](const std::string& path) { return WriteTextExport(tabs, files, path); });
}

}  // namespace zelto
