#pragma once
// Puts the note and category commands into a main window's command table. What they need
// (dialogs, desktop, shared context) lives as long as the window.
#include <functional>

#include "view/TNoteDialog.h"

namespace zelto {

struct Document;
struct ZeltoSettings;
class ProgramPermissions;
class TZeltoWindow;

// Adds the editing commands to `window`'s table, acting on `doc` with `settings`;
// `dialogSettings` gives the note dialog's font and date style each time it opens. Program
// entries typed in the dialogs are allowed to run by `permissions`, when given.
void InstallEditingCommands(TZeltoWindow& window, Document& doc, const ZeltoSettings& settings,
                            std::function<NoteDialogSettings()> dialogSettings,
                            ProgramPermissions* permissions = nullptr);

}  // namespace zelto
