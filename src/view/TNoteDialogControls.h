#pragma once
// Placing the controls of the note and program dialogs at their dialog-unit rectangles.
#include <QRect>

class QWidget;

namespace zelto {

class DialogUnits;

// Puts `control` at the rectangle given in dialog units, grown where the control needs
// more room for its text or box than the rectangle gives (fonts other than the one the
// layout was drawn for are wider), so nothing is cut off.
void PlaceControl(QWidget* control, const DialogUnits& du, int x, int y, int width, int height);

}  // namespace zelto
