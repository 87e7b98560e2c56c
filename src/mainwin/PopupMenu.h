#pragma once
// The main window's right-button popup menu: built from the current state when it is
// wanted, its chosen item carried out through the main window's command table.
#include <QPoint>
#include <string>

#include "model/Document.h"

namespace zelto {

class TZeltoWindow;

// Shows the popup at `pos` (the main window's coordinates) and runs the chosen command.
// `fromNoteWindow` tells a click in the note window from one in the category list.
void ShowPopupMenu(TZeltoWindow& window, const Document& doc, const std::string& defaultCat,
                   QPoint pos, bool fromNoteWindow);

}  // namespace zelto
