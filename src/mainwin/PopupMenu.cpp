#include "mainwin/PopupMenu.h"

#include <QMenu>

#include "common/WebLinks.h"
#include "mainwin/ActionCommands.h"
#include "mainwin/ContextMenu.h"
#include "mainwin/MainWindowCommands.h"
#include "mainwin/NoteCommands.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/Cp1252.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {

void ShowPopupMenu(TZeltoWindow& window, const Document& doc, const std::string& defaultCat,
                   QPoint pos, bool fromNoteWindow) {
  ContextMenuState state;
  const int selected = window.CatList()->SelectedCategory();
  if (selected != CategoryList::None && doc.tabs.Valid(static_cast<std::size_t>(selected)) &&
      doc.tabs[static_cast<std::size_t>(selected)].state != TabState::Deleted)
    state.currentCategory = static_cast<TabInx>(selected);
  DescribeCurrentLine(window.NoteView()->Lines(), doc.tabs, selected, state);
  state.fromNoteWindow = fromNoteWindow;
  state.clipboardHasText = NoteCommands::ClipboardHasText();
  state.cutPending = doc.cutPending;
  state.defaultCat = defaultCat;
  // What the current note itself can do (run, link, phone numbers) comes last.
  if (fromNoteWindow && state.lineKind == LineKind::NoteLine)
    if (const MainWindowCommands* set = MainWindowCommands::Of(window); set && set->Actions())
      state.noteActions = set->Actions()->NoteLineItems();

  QMenu menu(&window);
  for (const MenuItem& item : ComposeContextMenu(doc.tabs, state)) {
    QAction* action = menu.addAction(Cp1252::Decode(MenuLiteral(item.text)));
    action->setData(item.id);
    action->setEnabled(item.enabled);
  }
  if (menu.isEmpty()) return;
  const QAction* chosen = menu.exec(window.mapToGlobal(pos));
  if (chosen != nullptr) window.DoCommand(chosen->data().toInt());
}

}  // namespace zelto
