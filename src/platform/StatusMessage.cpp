#include "platform/StatusMessage.h"

#include <QMainWindow>
#include <QStatusBar>

namespace zelto {

void ShowStatusMessage(const QWidget* inside, const QString& text, int timeoutMs) {
  if (inside == nullptr) return;
  if (auto* frame = qobject_cast<QMainWindow*>(inside->window()))
    frame->statusBar()->showMessage(text, timeoutMs);
}

}  // namespace zelto
