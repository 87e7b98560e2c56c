#include "common/ExportFormats.h"

#include <array>

#include "common/HtmlExport.h"
#include "common/JsonExport.h"
#include "common/MarkdownExport.h"
#include "model/ExportSave.h"
#include "model/TextExport.h"

namespace zelto {
namespace {

constexpr std::array<ExportFormatInfo, 3> Formats{{
    {ExportFormat::Markdown, "--export-markdown", "Markdown files (*.md)|*.md|", "md",
     WriteMarkdownExport},
    {ExportFormat::Html, "--export-html", "HTML files (*.html)|*.html|", "html", WriteHtmlExport},
    {ExportFormat::Json, "--export-json", "JSON files (*.json)|*.json|", "json", WriteJsonExport},
}};

}  // namespace

std::span<const ExportFormatInfo> ExportFormats() { return Formats; }

const ExportFormatInfo& InfoOf(ExportFormat format) {
  return Formats[static_cast<std::size_t>(format)];
}

std::optional<ExportFormat> FormatOfOption(std::string_view option) {
  for (const ExportFormatInfo& info : Formats)
    if (info.option == option) return info.format;
  return std::nullopt;
}

std::string ExportDocument(ExportFormat format, const TabList& tabs) {
  std::string out;
  InfoOf(format).write(tabs, out);
  return out;
}

SaveResult SaveExportAs(ExportFormat format, const TabList& tabs, FileDialogData& dialog,
                        DocumentUi& ui, FileStore& files) {
  const ExportFormatInfo& info = InfoOf(format);
  dialog.filter = info.filter;
  dialog.defaultExt = info.defaultExt;
  dialog.flags = TextExportDialogFlags;  // as the text export: overwrite prompt, keep folder
  return SaveExportWithDialog(dialog, ui, [&](const std::string& path) {
    return files.WriteAtomic(path, ExportDocument(format, tabs));
  });
}

}  // namespace zelto
