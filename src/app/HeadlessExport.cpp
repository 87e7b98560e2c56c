#include "app/HeadlessExport.h"

#include <filesystem>
#include <system_error>

#include "ProgramInfo.h"
#include "common/ExportFormats.h"
#include "model/TextExport.h"

namespace zelto {
namespace {

constexpr std::string_view ExportOption = "--export-text";
constexpr std::string_view HelpOption = "--help";

// Hands each block of the export to the standard output; remembers a refusal.
class StandardOutputSink : public ByteSink {
 public:
  explicit StandardOutputSink(const std::function<bool(std::string_view)>& write) : write_(write) {}
  bool Write(std::string_view bytes) override {
    failed_ = failed_ || !write_(bytes);
    return !failed_;
  }
  bool Failed() const { return failed_; }

 private:
  const std::function<bool(std::string_view)>& write_;
  bool failed_ = false;
};

// Nobody answers: a headless load asks nothing and shows nothing.
class HeadlessUi : public DocumentUi {
 public:
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override {
    return std::nullopt;
  }
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

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
         "       zelto --export-markdown|--export-html|--export-json DOCUMENT.zlt OUTPUT\n"
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
         "  --export-markdown DOCUMENT.zlt OUTPUT.md\n"
         "  --export-html DOCUMENT.zlt OUTPUT.html\n"
         "  --export-json DOCUMENT.zlt OUTPUT.json\n"
         "                      the same as Markdown, as one HTML page, or as JSON (format\n"
         "                      \"brindamor-export\", version 1), in UTF-8, with the same exit\n"
         "                      statuses\n"
         "  --help              show this text\n";
}

bool IsHeadlessCommand(const std::vector<std::string>& args) {
  return !args.empty() &&
         (args[0] == ExportOption || args[0] == HelpOption || FormatOfOption(args[0]));
}

int RunHeadlessCommand(const std::vector<std::string>& args, HeadlessIo& io) {
  if (!args.empty() && args[0] == HelpOption && args.size() == 1) {
    io.out << UsageText();
    return HeadlessOk;
  }
  if (!args.empty() && args[0] == ExportOption && args.size() == 3)
    return ExportTextHeadless(args[1], args[2], io);
  if (const auto format = args.empty() ? std::nullopt : FormatOfOption(args[0]);
      format && args.size() == 3)
    return ExportFormatHeadless(*format, args[1], args[2], io);
  io.err << "zelto: wrong arguments for " << (args.empty() ? "" : args[0])
         << "; see zelto --help\n";
  return HeadlessUsage;
}

namespace {

// Checks and reads `document` as every export from the command line does, and writes what
// `writeExport` makes of it to `output` (standard output for "-"), atomically.
int ExportHeadless(const std::string& document, const std::string& output, HeadlessIo& io,
                   const std::function<void(const DocumentImage&, ByteSink&)>& writeExport) {
  const bool toStandardOutput = output == "-";
  if (!toStandardOutput && SameFile(document, output)) {
    io.err << "zelto: " << output << ": is the document itself; it is left as it is\n";
    return HeadlessFailed;
  }

  // The export only reads the document: its records are exported where they lie in the
  // file's bytes, decoded and checked as a load does, without the editable model.
  const std::optional<std::string> bytes = io.files.ReadAll(document);
  if (!bytes) {
    if (io.files.Exists(document))
      io.err << "zelto: Could not read " << document << ".\n";
    else
      io.err << "zelto: " << document << ": no such file\n";
    return HeadlessFailed;
  }
  DocumentImage image(*bytes);
  if (!image.Report().isZelto) {
    io.err << "zelto: " << document << ": Not a Brindamor data file!\n";
    return HeadlessFailed;
  }
  // Every loaded document has the default category.
  image.EnsureTopLevelCategory(io.defaultCat);

  const ContentWriter exportText = [&image, &writeExport](ByteSink& sink) {
    writeExport(image, sink);
  };
  if (toStandardOutput) {
    StandardOutputSink sink(io.writeStandardOutput);
    exportText(sink);
    if (sink.Failed()) {
      io.err << "zelto: cannot write to standard output\n";
      return HeadlessFailed;
    }
  } else if (const std::string reason = io.files.WriteAtomicStream(output, exportText);
             !reason.empty()) {
    io.err << "zelto: cannot write " << output << ": " << reason << "\n";
    return HeadlessFailed;
  }
  if (image.Report().Damaged()) {
    io.err << "zelto: warning: " << document
           << " is damaged; only the part that could be read was exported\n";
    return HeadlessDamaged;
  }
  return HeadlessOk;
}

// The categories of `document` as a load makes them (the default category added).
TabList LoadedTabs(const std::string& document, HeadlessIo& io) {
  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog;
  HeadlessUi ui;
  DocumentEnv env{doc, list, dialog, ui, io.files, io.defaultCat};
  env.keepDamagedOriginal = false;  // the export only reads, nothing is saved over the file
  LoadDocument(env, document);
  return std::move(doc.tabs);
}

}  // namespace

int ExportTextHeadless(const std::string& document, const std::string& output, HeadlessIo& io) {
  // The text is written from the records where they lie in the file's bytes, without the
  // editable model.
  return ExportHeadless(document, output, io, [](const DocumentImage& image, ByteSink& sink) {
    BufferedWriter out(sink);
    WriteExportText(image, out);
    out.Flush();
  });
}

int ExportFormatHeadless(ExportFormat format, const std::string& document,
                         const std::string& output, HeadlessIo& io) {
  return ExportHeadless(document, output, io, [&](const DocumentImage&, ByteSink& sink) {
    sink.Write(ExportDocument(format, LoadedTabs(document, io)));
  });
}

}  // namespace zelto
