#include "app/HeadlessExport.h"

#include <filesystem>
#include <system_error>

#include "ProgramInfo.h"
#include "model/TextExport.h"

namespace zelto {
namespace {

constexpr std::string_view ExportOption = "--export-text";
constexpr std::string_view HelpOption = "--help";

// Nobody answers: a headless load asks nothing and keeps its last message for the error
// output.
class HeadlessUi : public DocumentUi {
 public:
  std::string lastMessage;
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override {
    return std::nullopt;
  }
  void ShowMessage(const std::string& text) override { lastMessage = text; }
  bool AskYesNo(const std::string&) override { return false; }
};

// One line of error output about `document`, which the line names.
std::string AboutDocument(const std::string& document, std::string message) {
  for (char& c : message)
    if (c == '\n' || c == '\r') c = ' ';
  if (message.find(document) != std::string::npos) return message;
  return document + ": " + message;
}

// True when both names lead to the same existing file.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  const bool same = std::filesystem::equivalent(a, b, ec);
  return !ec && same;
}

}  // namespace

std::string UsageText() {
  return "Usage: zelto [DOCUMENT.zlt]\n"
         "       zelto -unregister [DOCUMENT.zlt]\n"
         "       zelto --export-text DOCUMENT.zlt OUTPUT.txt\n"
         "       zelto --help\n"
         "\n"
         "Brindamor, version " ZELTO_VERSION
         ": a desktop organiser for short notes.\n"
         "\n"
         "  DOCUMENT.zlt        the document to open (default: the Default Brindamor file)\n"
         "  -unregister, -u     remove the .zlt file type from the desktop instead of\n"
         "                      registering it\n"
         "  --export-text DOCUMENT.zlt OUTPUT.txt\n"
         "                      write the whole tree of DOCUMENT as text to OUTPUT (\"-\" is\n"
         "                      standard output), without opening a window; exit status 0 on\n"
         "                      success, 1 when nothing could be written, 3 when the document\n"
         "                      is damaged and only what could be read was exported\n"
         "  --help              show this text\n";
}

bool IsHeadlessCommand(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == ExportOption || args[0] == HelpOption);
}

int RunHeadlessCommand(const std::vector<std::string>& args, HeadlessIo& io) {
  if (!args.empty() && args[0] == HelpOption && args.size() == 1) {
    io.out << UsageText();
    return HeadlessOk;
  }
  if (!args.empty() && args[0] == ExportOption && args.size() == 3)
    return ExportTextHeadless(args[1], args[2], io);
  io.err << "zelto: wrong arguments for " << (args.empty() ? "" : args[0])
         << "; see zelto --help\n";
  return HeadlessUsage;
}

int ExportTextHeadless(const std::string& document, const std::string& output, HeadlessIo& io) {
  const bool toStandardOutput = output == "-";
  if (!toStandardOutput && SameFile(document, output)) {
    io.err << "zelto: " << output << ": is the document itself; it is left as it is\n";
    return HeadlessFailed;
  }

  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog;
  HeadlessUi ui;
  DocumentEnv env{doc, list, dialog, ui, io.files, io.defaultCat};
  env.keepDamagedOriginal = false;  // the export only reads, nothing is saved over the file
  const LoadResult loaded = LoadDocument(env, document);
  switch (loaded) {
    case LoadResult::NewDocument:
      io.err << "zelto: " << document << ": "
             << (io.files.Exists(document) ? "cannot be read" : "no such file") << "\n";
      return HeadlessFailed;
    case LoadResult::NotZelto:
      io.err << "zelto: "
             << AboutDocument(document, ui.lastMessage.empty() ? "Not a Brindamor data file!"
                                                               : ui.lastMessage)
             << "\n";
      return HeadlessFailed;
    case LoadResult::Damaged:
    case LoadResult::Loaded:
      break;
  }

  const std::string text = ExportText(doc.tabs);
  if (toStandardOutput) {
    if (!io.writeStandardOutput(text)) {
      io.err << "zelto: cannot write to standard output\n";
      return HeadlessFailed;
    }
  } else if (const std::string reason = io.files.WriteAtomic(output, text); !reason.empty()) {
    io.err << "zelto: cannot write " << output << ": " << reason << "\n";
    return HeadlessFailed;
  }
  if (loaded == LoadResult::Damaged) {
    io.err << "zelto: warning: " << document
           << " is damaged; only the part that could be read was exported\n";
    return HeadlessDamaged;
  }
  return HeadlessOk;
}

}  // namespace zelto
