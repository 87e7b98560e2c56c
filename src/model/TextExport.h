#pragma once
// The whole category tree as plain text: one framed path line per category, one line per
// note, every line ending in CR LF.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/ByteSink.h"
#include "model/DocumentFile.h"
#include "model/DocumentImage.h"
#include "model/TabList.h"

namespace zelto {

// The export's file dialog, set up each time the export runs.
inline constexpr std::string_view TextExportFilter = "Text files (*.txt)|*.txt|";
inline constexpr std::string_view TextExportDefaultExt = "txt";
inline constexpr std::uint32_t TextExportDialogFlags =
    14;  // overwrite prompt, hide read-only, keep folder

// Puts the export filter, extension and flags into `data`, keeping its file name (the
// last export's name, offered again).
void SetTextExportDialog(FileDialogData& data);

// Writes the block of category `index` to `out`: framed path line (prefix, "/", name),
// its notes, the blocks of its Normal children in TabList order, and an empty line.
void ExportCategory(const TabList& tabs, std::size_t index, const std::string& prefix,
                    BufferedWriter& out);

// Writes the export of every Normal top-level category with its subtree to `out`; nothing
// for no categories. The caller flushes `out`.
void WriteExportText(const TabList& tabs, BufferedWriter& out);
// The same for a document read in place: what the export of the loaded document writes.
void WriteExportText(const DocumentImage& image, BufferedWriter& out);

// The export as one string.
std::string ExportText(const TabList& tabs);

// Writes the export to `path` as it is made, so that the file appears only when complete;
// an empty text on success, else the reason.
std::string WriteTextExport(const TabList& tabs, FileStore& files, const std::string& path);

// The "Save as text" command: asks for a file name with `dialog` (which keeps it for the
// next time), writes the export, and shows a message when the file cannot be written.
SaveResult SaveAsText(const TabList& tabs, FileDialogData& dialog, DocumentUi& ui,
                      FileStore& files);

}  // namespace zelto
