#include "mainwin/FindAllPane.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QVBoxLayout>

#include "mainwin/FindAllList.h"

namespace zelto {

FindAllPane::FindAllPane(QWidget* parent)
    : QWidget(parent),
      field_(new QLineEdit(this)),
      count_(new QLabel(this)),
      list_(new QListView(this)),
      model_(new FindAllModel(this)) {
  setObjectName(QStringLiteral("FindAllPane"));
  field_->setObjectName(QStringLiteral("FindAllField"));
  field_->setPlaceholderText(QStringLiteral("Search the notes as you type"));
  field_->setClearButtonEnabled(true);
  list_->setObjectName(QStringLiteral("FindAllList"));
  list_->setModel(model_);
  list_->setItemDelegate(new FindAllDelegate(list_));
  list_->setUniformItemSizes(true);  // thousands of rows lay out at once
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  auto* top = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("Find &all:"), this);
  label->setBuddy(field_);
  top->addWidget(label);
  top->addWidget(field_, 1);
  top->addWidget(count_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(list_, 1);

  connect(field_, &QLineEdit::textChanged, this, &FindAllPane::TextChanged);
  connect(list_, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { emit HitChosen(index.row()); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WidgetWithChildrenShortcut);
  connect(escape, &QShortcut::activated, this, &FindAllPane::CloseRequested);
  field_->installEventFilter(this);
  list_->installEventFilter(this);
  setFocusProxy(field_);
}

void FindAllPane::ShowCount(const QString& text) { count_->setText(text); }

int FindAllPane::ChosenRow() const {
  const QModelIndex current = list_->currentIndex();
  if (current.isValid()) return current.row();
  return model_->rowCount() > 0 ? 0 : -1;
}

bool FindAllPane::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (const int row = ChosenRow(); row >= 0) emit HitChosen(row);
      return true;
    }
    // Down in the field walks on into the list.
    if (watched == field_ && key == Qt::Key_Down && model_->rowCount() > 0) {
      list_->setFocus();
      if (!list_->currentIndex().isValid()) list_->setCurrentIndex(model_->index(0));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zelto
