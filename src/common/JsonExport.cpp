#include "common/JsonExport.h"

#include "model/ExportWalk.h"
#include "model/Utf8.h"

namespace zelto {
namespace {

void AppendString(std::string_view text, std::string& out) {
  static constexpr char Hex[] = "0123456789abcdef";
  out.push_back('"');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c == '\r') {
      out.append("\\r");
    } else if (c == '\n') {
      out.append("\\n");
    } else if (c < 0x20) {
      out.append("\\u00").push_back(Hex[c >> 4]);
      out.push_back(Hex[c & 0xF]);
    } else {
      AppendCp1252AsUtf8(text.substr(i, 1), out);
    }
  }
  out.push_back('"');
}

class JsonWriter : public ExportWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginCategory(const std::vector<ExportCategory>& path) override {
    // A category opens with its notes; its children follow in the list opened after them.
    if (path.size() > 1 && !childrenOpen_.back()) {
      out_.append("],\n\"children\": [");
      childrenOpen_.back() = true;
      firstChild_.back() = true;
    }
    if (!firstChild_.back()) out_.append(",");
    firstChild_.back() = false;
    const ExportCategory& tab = path.back();
    out_.append("\n{\"name\": ");
    AppendString(tab.name, out_);
    out_.append(", \"flags\": ").append(std::to_string(tab.flags)).append(", \"notes\": [");
    childrenOpen_.push_back(false);
    firstChild_.push_back(true);
    firstNote_ = true;
  }

  void Note(std::string_view text, std::uint8_t flags) override {
    if (!firstNote_) out_.append(",");
    firstNote_ = false;
    out_.append("\n  {\"text\": ");
    AppendString(text, out_);
    out_.append(", \"kind\": \"").append(IsProgram(flags) ? "program" : "text");
    out_.append("\", \"noPrint\": ").append(IsNoPrint(flags) ? "true" : "false");
    out_.append(", \"flags\": ").append(std::to_string(flags)).append("}");
  }

  void EndCategory(std::size_t) override {
    out_.append(childrenOpen_.back() ? "]}" : "], \"children\": []}");
    childrenOpen_.pop_back();
    firstChild_.pop_back();
  }

 private:
  std::string& out_;
  // Per open category (and the top level, whose list is open from the start): whether its
  // children list is open, and whether no child is written in it yet.
  std::vector<bool> childrenOpen_{true};
  std::vector<bool> firstChild_{true};
  bool firstNote_ = true;
};

}  // namespace

void WriteJsonExport(const TabList& tabs, std::string& out) {
  out.append("{\"format\": \"").append(JsonExportFormat).append("\", \"version\": ");
  out.append(std::to_string(JsonExportVersion)).append(", \"categories\": [");
  JsonWriter writer(out);
  WalkExportTree(tabs, writer);
  out.append("]}\n");
}

}  // namespace zelto
