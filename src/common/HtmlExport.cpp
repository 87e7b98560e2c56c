#include "common/HtmlExport.h"

#include <algorithm>
#include <cctype>

#include "common/TextSearch.h"
#include "common/WebLinks.h"
#include "model/ExportWalk.h"
#include "model/Utf8.h"

namespace zelto {
namespace {

constexpr std::string_view PageStart =
    "<!DOCTYPE html>\n"
    "<html lang=\"en\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"generator\" content=\"Brindamor\">\n"
    "<title>Brindamor notes</title>\n"
    "<style>\n"
    "body { font-family: sans-serif; margin: 2em; }\n"
    "section { margin-left: 1.5em; }\n"
    "body > section { margin-left: 0; }\n"
    "li { white-space: pre-wrap; }\n"
    "li.program { font-family: monospace; }\n"
    "li.noprint { color: #777; }\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";
constexpr std::string_view PageEnd = "</body>\n</html>\n";

// Text as HTML: markup characters and line breaks escaped, a CR LF pair as <br>.
void AppendEscaped(std::string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '&':
        out.append("&amp;");
        break;
      case '<':
        out.append("&lt;");
        break;
      case '>':
        out.append("&gt;");
        break;
      case '"':
        out.append("&quot;");
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') {
          out.append("<br>");
          ++i;
        } else {
          out.append("&#13;");
        }
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          out.append("&#").append(std::to_string(static_cast<int>(c))).push_back(';');
        else
          AppendCp1252AsUtf8(text.substr(i, 1), out);
    }
  }
}

// Where a web address that begins at `at` ends: the link rule of the notes, up to the next
// NUL, tab, line break or blank.
std::size_t AddressEnd(std::string_view text, std::size_t at) {
  const std::size_t end = text.find_first_of(std::string_view("\0\t\n\r ", 5), at);
  return end == std::string_view::npos ? text.size() : end;
}

// A note's text with every web address as a link to itself.
void AppendWithLinks(std::string_view text, std::string& out) {
  std::size_t done = 0;
  for (std::size_t i = 0; i < text.size();) {
    const bool starts = i == 0 || !std::isalnum(static_cast<unsigned char>(text[i - 1]));
    const bool scheme = FindTextIgnoringCase(text.substr(i, 4), "http") == 0 ||
                        FindTextIgnoringCase(text.substr(i, 3), "ftp") == 0;
    if (starts && scheme) {
      const std::size_t end = AddressEnd(text, i);
      const std::string_view address = text.substr(i, end - i);
      if (IsWebAddress(address)) {
        AppendEscaped(text.substr(done, i - done), out);
        out.append("<a href=\"");
        AppendEscaped(address, out);
        out.append("\">");
        AppendEscaped(address, out);
        out.append("</a>");
        done = i = end;
        continue;
      }
    }
    ++i;
  }
  AppendEscaped(text.substr(done), out);
}

class HtmlWriter : public ExportWriter {
 public:
  explicit HtmlWriter(std::string& out) : out_(out) {}

  void BeginCategory(const std::vector<ExportCategory>& path) override {
    CloseList();
    const std::string level = std::to_string(std::min<std::size_t>(path.size(), 6));
    out_.append("<section>\n<h").append(level).append(">");
    AppendEscaped(path.back().name, out_);
    out_.append("</h").append(level).append(">\n");
  }

  void Note(std::string_view text, std::uint8_t flags) override {
    if (!listOpen_) out_.append("<ul>\n");
    listOpen_ = true;
    out_.append("<li");
    if (IsProgram(flags) || IsNoPrint(flags)) {
      out_.append(" class=\"");
      if (IsProgram(flags)) out_.append(IsNoPrint(flags) ? "program " : "program");
      if (IsNoPrint(flags)) out_.append("noprint");
      out_.append("\"");
    }
    out_.append(">");
    AppendWithLinks(text, out_);
    out_.append("</li>\n");
  }

  void EndCategory(std::size_t) override {
    CloseList();
    out_.append("</section>\n");
  }

 private:
  void CloseList() {
    if (listOpen_) out_.append("</ul>\n");
    listOpen_ = false;
  }

  std::string& out_;
  bool listOpen_ = false;
};

}  // namespace

void WriteHtmlExport(const TabList& tabs, std::string& out) {
  out.append(PageStart);
  HtmlWriter writer(out);
  WalkExportTree(tabs, writer);
  out.append(PageEnd);
}

}  // namespace zelto
