#pragma once
// A short message in the status bar of the main window.
#include <QString>

class QWidget;

namespace zelto {

// Shows `text` in the status bar of the main window that holds `inside`, for `timeoutMs`
// milliseconds (0: until the next message). Nothing happens outside such a window.
void ShowStatusMessage(const QWidget* inside, const QString& text, int timeoutMs = 0);

}  // namespace zelto
