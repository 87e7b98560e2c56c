#pragma once
// The command-line actions that run without any window: the text export of a document
// and the usage text. They are decided before the user interface starts, so they work
// where there is no display at all.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/ExportFormats.h"
#include "model/DocumentFile.h"

namespace zelto {

// Exit statuses of the headless actions.
enum HeadlessStatus : int {
  HeadlessOk = 0,
  HeadlessFailed = 1,   // nothing was written
  HeadlessUsage = 2,    // the command line is wrong
  HeadlessDamaged = 3,  // the document is damaged: what could be read was exported
};

// Where a headless action reads and writes.
struct HeadlessIo {
  FileStore& files;
  std::ostream& out;                                          // the usage text
  std::ostream& err;                                          // one line per problem
  std::function<bool(std::string_view)> writeStandardOutput;  // the export to "-"
  std::string defaultCat;  // the DefaultCat setting, which every loaded document gets
};

// The usage text of the program.
std::string UsageText();

// True when `args` (the arguments after the program name) ask for a headless action.
bool IsHeadlessCommand(const std::vector<std::string>& args);

// Runs the headless action that `args` ask for; the process's exit status.
int RunHeadlessCommand(const std::vector<std::string>& args, HeadlessIo& io);

// Writes the text export of `document` to `output` ("-": standard output).
int ExportTextHeadless(const std::string& document, const std::string& output, HeadlessIo& io);
// The same for the Markdown, HTML and JSON exports.
int ExportFormatHeadless(ExportFormat format, const std::string& document,
                         const std::string& output, HeadlessIo& io);

}  // namespace zelto
