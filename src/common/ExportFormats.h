#pragma once
// The exports beside the text export: Markdown, HTML and JSON. Each has its command-line
// option and its own file dialog, and writes the whole tree as the text export does (every
// Normal category, cut ones left out) in UTF-8.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/DocumentFile.h"
#include "model/TabList.h"

namespace zelto {

enum class ExportFormat { Markdown, Html, Json };

struct ExportFormatInfo {
  ExportFormat format;
  std::string_view option;      // the command-line option, "--export-markdown"
  std::string_view filter;      // the file dialog's filter
  std::string_view defaultExt;  // and its default extension
  void (*write)(const TabList& tabs, std::string& out);
};

std::span<const ExportFormatInfo> ExportFormats();
const ExportFormatInfo& InfoOf(ExportFormat format);
std::optional<ExportFormat> FormatOfOption(std::string_view option);

// The export of `tabs` in `format`.
std::string ExportDocument(ExportFormat format, const TabList& tabs);

// "Save as Markdown", "Save as HTML" and "Save as JSON": asks for a file name with `dialog`
// (which keeps it for the next time), writes the export so that the file appears only when
// complete, and shows a message when it cannot be written.
SaveResult SaveExportAs(ExportFormat format, const TabList& tabs, FileDialogData& dialog,
                        DocumentUi& ui, FileStore& files);

}  // namespace zelto
