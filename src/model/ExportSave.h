#pragma once
// The export commands' common course: ask for a file name (the dialog data keeps it for the
// next time), write the export, and say so when the file cannot be written.
#include <functional>
#include <string>

#include "model/DocumentFile.h"

namespace zelto {

// `write` writes the export to the chosen path and returns an empty text, or the reason it
// could not.
SaveResult SaveExportWithDialog(FileDialogData& dialog, DocumentUi& ui,
                                const std::function<std::string(const std::string&)>& write);

}  // namespace zelto
