#pragma once
// Puts the note and category commands into a main window's command table. What they need
// (dialogs, desktop, shared context) lives as long as the window.
#include <functional>

#include "view/TNoteDialog.h"

namespace zelto {

struct Document;
struct ZeltoSettings;
class TZeltoWindow;

// Adds the editing commands to `window`'s table, acting on `doc` with `settings`;
// `dialogSettings` gives the note dialog's font and date style each time it opens.
void InstallEditingCommands(TZeltoWindow& window, Document& doc, const ZeltoSettings& settings,
                            std::function<NoteDialogSettings()> dialogSettings);

}  // namespace zelto
