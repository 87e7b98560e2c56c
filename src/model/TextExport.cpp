#include "model/TextExport.h"

#include <utility>
#include <vector>

#include "model/ExportSave.h"

namespace zelto {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view Separator = "------------------------------------------------\r\n";

// Writes `text` with every line break as one CR LF: a lone LF gains its CR, an existing
// CR LF stays as it is. The pieces between line breaks are copied whole.
void WriteText(std::string_view text, BufferedWriter& out) {
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n')) {
    out.Append(text.substr(0, lf));
    out.Append(lf > 0 && text[lf - 1] == '\r' ? "\n" : "\r\n");
    text.remove_prefix(lf + 1);
  }
  out.Append(text);
}

// The export reads the tree through one of these: the editable model, or a document read
// in place.
class ModelTree {
 public:
  explicit ModelTree(const TabList& tabs) : tabs_(tabs) {}
  std::size_t Count() const { return tabs_.Count(); }
  std::string_view Name(std::size_t i) const { return tabs_[i].text; }
  TabInx Parent(std::size_t i) const { return tabs_[i].parent; }
  bool IsNormal(std::size_t i) const { return tabs_[i].IsNormal(); }
  template <class Visit>
  void ForEachNote(std::size_t i, Visit visit) const {
    for (const NoteString& note : tabs_[i].notes) visit(std::string_view(note.text));
  }

 private:
  const TabList& tabs_;
};

class ImageTree {
 public:
  explicit ImageTree(const DocumentImage& image) : image_(image) {}
  std::size_t Count() const { return image_.Count(); }
  std::string_view Name(std::size_t i) const { return image_.Category(i).name; }
  TabInx Parent(std::size_t i) const { return image_.Category(i).parent; }
  bool IsNormal(std::size_t) const { return true; }  // a file holds only Normal categories
  template <class Visit>
  void ForEachNote(std::size_t i, Visit visit) const {
    image_.ForEachNote(i, visit);
  }

 private:
  const DocumentImage& image_;
};

// Normal children of every category, in TabList order; index Count() holds the top level.
template <class Tree>
std::vector<std::vector<std::size_t>> NormalChildren(const Tree& tree) {
  std::vector<std::vector<std::size_t>> children(tree.Count() + 1);
  for (std::size_t i = 0; i < tree.Count(); ++i) {
    if (!tree.IsNormal(i)) continue;
    const TabInx parent = tree.Parent(i);
    if (parent == NO_PARENT)
      children[tree.Count()].push_back(i);
    else if (parent < tree.Count() && parent != i)
      children[parent].push_back(i);
  }
  return children;
}

// The category's own lines: header and notes.
template <class Tree>
void WriteHeaderAndNotes(const Tree& tree, std::size_t index, std::string_view path,
                         BufferedWriter& out) {
  out.Append(Separator);
  WriteText(path, out);
  out.Append(LineEnd);
  out.Append(Separator);
  tree.ForEachNote(index, [&out](std::string_view text) {
    WriteText(text, out);
    out.Append(LineEnd);
  });
}

// Writes the subtree of `root` without recursion, so that a deep tree cannot exhaust the
// stack. Every category sits in one child list only, so none is written twice, and
// categories whose parent chain runs in a circle are never reached. Each category's path is
// made once, from its parent's.
template <class Tree>
void ExportSubtree(const Tree& tree, const std::vector<std::vector<std::size_t>>& children,
                   std::size_t root, std::string_view prefix, BufferedWriter& out) {
  struct Frame {
    std::size_t index;
    std::string path;
    std::size_t nextChild = 0;
  };
  std::vector<Frame> stack;
  const auto enter = [&](std::size_t index, std::string_view parentPath) {
    std::string path;
    path.reserve(parentPath.size() + 1 + tree.Name(index).size());
    path.append(parentPath).append("/").append(tree.Name(index));
    WriteHeaderAndNotes(tree, index, path, out);
    stack.push_back(Frame{index, std::move(path)});
  };
  enter(root, prefix);
  while (!stack.empty()) {
    Frame& top = stack.back();
    const auto& kids = children[top.index];
    if (top.nextChild < kids.size()) {
      const std::size_t child = kids[top.nextChild++];
      enter(child, top.path);
    } else {
      out.Append(LineEnd);
      stack.pop_back();
    }
  }
}

template <class Tree>
void ExportTree(const Tree& tree, BufferedWriter& out) {
  const auto children = NormalChildren(tree);
  for (std::size_t top : children[tree.Count()]) ExportSubtree(tree, children, top, "", out);
}

}  // namespace

void SetTextExportDialog(FileDialogData& data) {
  data.filter = TextExportFilter;
  data.defaultExt = TextExportDefaultExt;
  data.flags = TextExportDialogFlags;
}

void ExportCategory(const TabList& tabs, std::size_t index, const std::string& prefix,
                    BufferedWriter& out) {
  if (!tabs.Valid(index)) return;
  const ModelTree tree(tabs);
  ExportSubtree(tree, NormalChildren(tree), index, prefix, out);
}

void WriteExportText(const TabList& tabs, BufferedWriter& out) { ExportTree(ModelTree(tabs), out); }

void WriteExportText(const DocumentImage& image, BufferedWriter& out) {
  ExportTree(ImageTree(image), out);
}

std::string ExportText(const TabList& tabs) {
  std::string text;
  StringSink sink(text);
  BufferedWriter out(sink);
  WriteExportText(tabs, out);
  out.Flush();
  return text;
}

std::string WriteTextExport(const TabList& tabs, FileStore& files, const std::string& path) {
  return files.WriteAtomicStream(path, [&tabs](ByteSink& sink) {
    BufferedWriter out(sink);
    WriteExportText(tabs, out);
    out.Flush();
  });
}

SaveResult SaveAsText(const TabList& tabs, FileDialogData& dialog, DocumentUi& ui,
                      FileStore& files) {
  SetTextExportDialog(dialog);
  return SaveExportWithDialog(
      dialog, ui, [&](const std::string& path) { return WriteTextExport(tabs, files, path); });
}

}  // namespace zelto
