// The entry detail window that the main window creates.
#include "mainwin/TZeltoWindow.h"
#include "view/TOneEdit.h"

namespace zelto {

TOneEdit* CreateEntryLine(TZeltoWindow* parent) { return new TOneEdit(parent); }

}  // namespace zelto
