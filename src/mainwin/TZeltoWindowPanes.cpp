// The note window and entry detail window that the main window creates. They stand apart
// so that the real panes replace them here without touching the main window.
#include <QPainter>

#include "mainwin/TZeltoWindow.h"

namespace zelto {
namespace {

class PlainNoteView : public QWidget {
 public:
  explicit PlainNoteView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NoteView"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
  }
};

}  // namespace

QWidget* CreateNoteView(TZeltoWindow* parent) { return new PlainNoteView(parent); }

QLineEdit* CreateEntryLine(TZeltoWindow* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace zelto
