#include "platform/ResourceDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace zelto {

ResourceDialog::ResourceDialog(QWidget* parent, const QString& caption, int width, int height,
                               int helpContext)
    : QDialog(parent), units_(QApplication::font()), helpContext_(helpContext) {
  setFont(QApplication::font());
  setWindowTitle(caption);
  // A dialog of fixed size: a title with a close box, nothing to maximise.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(units_.Size(width, height));
  setSizeGripEnabled(false);
}

void ResourceDialog::PlaceWidget(QWidget* control, int x, int y, int width, int height, int id) {
  control->setParent(this);
  QRect rect = units_.Rect(x, y, width, height);
  // A check box or radio button keeps its whole text where the font is wider than the layout
  // was made for.
  if (qobject_cast<QAbstractButton*>(control) && !qobject_cast<QPushButton*>(control))
    rect.setWidth(std::max(rect.width(), control->sizeHint().width()));
  control->setGeometry(rect);
  if (id != 0) control->setObjectName(QString::number(id));
}

QPushButton* ResourceDialog::AddButton(int id, const QString& text, int x, int y, int width,
                                       int height) {
  auto* button = Place(new QPushButton(text), x, y, width, height, id);
  switch (id) {
    case IDOK:
      button->setDefault(true);  // Enter presses OK, as in every dialog of the program
      connect(button, &QPushButton::clicked, this, [this] { Ok(); });
      break;
    case IDCANCEL:
      connect(button, &QPushButton::clicked, this, &QDialog::reject);
      break;
    case IDHELP:
      connect(button, &QPushButton::clicked, this, [this] { emit helpRequested(helpContext_); });
      break;
    default:
      break;
  }
  return button;
}

QLabel* ResourceDialog::AddStatic(const QString& text, int x, int y, int width, int height,
                                  Qt::Alignment alignment, int id) {
  auto* label = Place(new QLabel(text), x, y, width, height, id);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignTop);  // static texts start at their top edge
  label->setWordWrap(true);
  return label;
}

}  // namespace zelto
