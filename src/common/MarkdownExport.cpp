#include "common/MarkdownExport.h"

#include <algorithm>

#include "model/ExportWalk.h"
#include "model/Utf8.h"

namespace zelto {
namespace {

constexpr std::size_t DeepestHeading = 6;
// Continuation lines of a list item stand under its text.
constexpr std::string_view ItemIndent = "  ";
// Marks a program entry before its text.
constexpr std::string_view ProgramMark = "**Program:** ";

// The characters that can start or end Markdown syntax (emphasis, code, links, HTML,
// entities, headings, lists, block quotes, tables, setext underlines), and in a heading the
// '/' that separates the names of a path.
bool NeedsEscape(char c, bool heading) {
  static constexpr std::string_view Syntax = "\\`*_{}[]()<>#+-.!|&~=";
  return Syntax.find(c) != std::string_view::npos || (heading && c == '/');
}

// One line of text (no CR LF in it): syntax characters escaped, blanks at either end and lone
// CR or LF bytes as character references.
void AppendLine(std::string_view line, std::string& out, bool heading = false) {
  const std::size_t first = line.find_first_not_of(' ');
  const std::size_t last = line.find_last_not_of(' ');
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' && (first == std::string_view::npos || i < first || i > last))
      out.append("&#32;");
    else if (c == '\r')
      out.append("&#13;");
    else if (c == '\n')
      out.append("&#10;");
    else if (NeedsEscape(c, heading))
      out.append(1, '\\').push_back(c);
    else
      AppendCp1252AsUtf8(line.substr(i, 1), out);
  }
}

// A note's text: its lines joined by hard line breaks (a backslash at the end of a line),
// each further line indented under the item. A break at the very end has no line after it
// to stand before, so it is written as references.
void AppendNoteText(std::string_view text, std::string& out) {
  for (;;) {
    const std::size_t br = text.find("\r\n");
    if (br == std::string_view::npos) {
      AppendLine(text, out);
      return;
    }
    AppendLine(text.substr(0, br), out);
    text.remove_prefix(br + 2);
    if (text.empty()) {
      out.append("&#13;&#10;");
      return;
    }
    out.append("\\\n").append(ItemIndent);
  }
}

class MarkdownWriter : public ExportWriter {
 public:
  explicit MarkdownWriter(std::string& out) : out_(out) {}

  void BeginCategory(const std::vector<ExportCategory>& path) override {
    if (!out_.empty()) out_.push_back('\n');
    out_.append(std::min(path.size(), DeepestHeading), '#').push_back(' ');
    if (path.size() <= DeepestHeading) {
      AppendLine(path.back().name, out_, true);
    } else {
      for (const ExportCategory& tab : path) {
        out_.push_back('/');  // the path's own separator; one inside a name is escaped
        AppendLine(tab.name, out_, true);
      }
    }
    out_.append("\n\n");
  }

  void Note(std::string_view text, std::uint8_t flags) override {
    out_.append("- ");
    if (IsProgram(flags)) out_.append(ProgramMark);
    AppendNoteText(text, out_);
    out_.push_back('\n');
  }

  void EndCategory(std::size_t) override {}

 private:
  std::string& out_;
};

}  // namespace

void WriteMarkdownExport(const TabList& tabs, std::string& out) {
  MarkdownWriter writer(out);
  WalkExportTree(tabs, writer);
}

}  // namespace zelto
