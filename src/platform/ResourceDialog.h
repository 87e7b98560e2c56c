#pragma once
// The base of the program's own dialogs: a fixed-size dialog whose controls are placed from
// a layout table in dialog units, with the usual push buttons. OK (id 1) runs the dialog's
// Ok(), Cancel (id 2) closes without changing anything, and Help (id 9) asks for the
// dialog's help section.
#include <QDialog>

#include "platform/DialogUnits.h"

class QLabel;
class QPushButton;

namespace zelto {

// Control ids shared by every dialog.
enum DialogButtonId : int { IDOK = 1, IDCANCEL = 2, IDHELP = 9 };

class ResourceDialog : public QDialog {
  Q_OBJECT

 public:
  // A dialog of `width` × `height` dialog units, measured with the application's font.
  // `helpContext` is the help section the Help button asks for.
  ResourceDialog(QWidget* parent, const QString& caption, int width, int height,
                 int helpContext = 0);

  int HelpContext() const { return helpContext_; }
  const DialogUnits& Units() const { return units_; }

  // Pressing OK: the dialog's Ok() decides what is stored and how it closes.
  void accept() override { Ok(); }

 signals:
  // The user asked for help on this dialog.
  void helpRequested(int context);

 protected:
  // Validates and stores the dialog's values, then closes it. The default closes with OK.
  virtual void Ok() { done(Accepted); }

  // Puts `control` at a rectangle given in dialog units; the control is named after its id
  // when it has one.
  template <typename Control>
  Control* Place(Control* control, int x, int y, int width, int height, int id = 0) {
    PlaceWidget(control, x, y, width, height, id);
    return control;
  }
  // A push button with one of the shared ids, wired to its action.
  QPushButton* AddButton(int id, const QString& text, int x, int y, int width, int height);
  // A static text; `alignment` as the resource gives it. Shown as plain text, never markup.
  QLabel* AddStatic(const QString& text, int x, int y, int width, int height,
                    Qt::Alignment alignment = Qt::AlignLeft, int id = 0);

 private:
  void PlaceWidget(QWidget* control, int x, int y, int width, int height, int id);

  DialogUnits units_;
  int helpContext_;
};

}  // namespace zelto
