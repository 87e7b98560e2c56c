// The entry detail window that the main window creates. It stands apart so that the real
// pane replaces it here without touching the main window.
#include "mainwin/TZeltoWindow.h"

namespace zelto {

QLineEdit* CreateEntryLine(TZeltoWindow* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace zelto
