#include "mainwin/EditingCommands.h"

#include <QObject>

#include "common/ZeltoSettings.h"
#include "mainwin/CategoryCommands.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/DropCommands.h"
#include "mainwin/NoteCommands.h"
#include "mainwin/PopupMenu.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/DesktopActions.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

// Everything the commands work with, deleted together with the window.
class EditingCommandSet : public QObject {
 public:
  EditingCommandSet(TZeltoWindow& window, TNoteWindow& notes, Document& doc,
                    const ZeltoSettings& settings,
                    std::function<NoteDialogSettings()> dialogSettings,
                    ProgramPermissions* permissions)
      : QObject(&window),
        dialogs_(&window, std::move(dialogSettings)),
        context_(doc, *window.CatList(), notes, dialogs_, settings, &window.History()),
        noteCommands_(context_, desktop_, QString(), permissions),
        categoryCommands_(context_),
        dropCommands_(context_) {
    noteCommands_.Register(window.Commands());
    categoryCommands_.Register(window.Commands());
    // An undone or redone step takes the window to where its change was made.
    window.History().SetPlaceShower([this](const WindowPlace& place) { context_.GoTo(place); });
    connect(&window, &TZeltoWindow::LineDropped, this,
            [this](DraggedLine from, int target, bool copy) {
              dropCommands_.Drop(from, static_cast<TabInx>(target), copy);
            });
    connect(&window, &TZeltoWindow::TextDropped, this,
            [this](const QString& text) { noteCommands_.PasteText(text); });
    connect(&window, &TZeltoWindow::ContextMenuRequested, this,
            [&window, &doc, &settings](QPoint pos, bool fromNoteWindow) {
              ShowPopupMenu(window, doc, settings.DefaultCat, pos, fromNoteWindow);
            });
  }

 private:
  QtEditDialogs dialogs_;
  SystemDesktopActions desktop_;
  EditingContext context_;
  NoteCommands noteCommands_;
  CategoryCommands categoryCommands_;
  DropCommands dropCommands_;
};

}  // namespace

void InstallEditingCommands(TZeltoWindow& window, Document& doc, const ZeltoSettings& settings,
                            std::function<NoteDialogSettings()> dialogSettings,
                            ProgramPermissions* permissions) {
  auto* notes = qobject_cast<TNoteWindow*>(window.NoteView());
  if (notes == nullptr) return;
  new EditingCommandSet(window, *notes, doc, settings, std::move(dialogSettings), permissions);
}

}  // namespace zelto
