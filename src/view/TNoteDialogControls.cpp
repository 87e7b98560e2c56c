#include "view/TNoteDialogControls.h"

#include <QWidget>

#include "platform/DialogUnits.h"

namespace zelto {

void PlaceControl(QWidget* control, const DialogUnits& du, int x, int y, int width, int height) {
  const QRect r = du.Rect(x, y, width, height);
  control->setGeometry(QRect(r.topLeft(), r.size().expandedTo(control->sizeHint())));
}

}  // namespace zelto
