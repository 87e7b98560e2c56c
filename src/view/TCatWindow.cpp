#include "view/TCatWindow.h"

#include <QDropEvent>
#include <QMouseEvent>

#include "model/TextOrder.h"
#include "platform/Cp1252.h"

namespace zelto {
namespace {
// The stored bytes of the name, so that reading it back never goes through a conversion.
constexpr int NameRole = Qt::UserRole;
constexpr int DataRole = Qt::UserRole + 1;
}  // namespace

TCatWindow::TCatWindow(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("CatList"));
  setSortingEnabled(false);  // the order is ours (AddString), never the widget's
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFocusPolicy(Qt::NoFocus);  // a click hands the focus on to the note window
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);  // shown only when the items overflow
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUniformItemSizes(true);
  SetTextColor(QColor(255, 0, 0));
  connect(this, &QListWidget::itemSelectionChanged, this, &TCatWindow::OnSelectionChanged);
  // Lines of the note window can be dropped on a category; the list itself is not dragged.
  setDragDropMode(QAbstractItemView::DropOnly);
  viewport()->setAcceptDrops(true);
}

void TCatWindow::SetDropRow(int row) {
  if (row == dropRow_) return;
  if (QListWidgetItem* before = item(dropRow_)) before->setData(Qt::BackgroundRole, QVariant());
  dropRow_ = row;
  if (QListWidgetItem* target = item(dropRow_))
    target->setBackground(palette().color(QPalette::Active, QPalette::Highlight).lighter(160));
}

void TCatWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (DraggedLineOf(*event))
    event->acceptProposedAction();
  else
    event->ignore();  // text and files are the note window's and the frame's
}

void TCatWindow::dragMoveEvent(QDragMoveEvent* event) {
  const int row = DraggedLineOf(*event) ? indexAt(event->position().toPoint()).row() : None;
  SetDropRow(row < 0 ? None : row);
  if (dropRow_ == None)
    event->ignore();
  else
    event->acceptProposedAction();
}

void TCatWindow::dragLeaveEvent(QDragLeaveEvent* event) {
  SetDropRow(None);
  event->accept();
}

void TCatWindow::dropEvent(QDropEvent* event) {
  SetDropRow(None);
  const std::optional<DraggedLine> from = DraggedLineOf(*event);
  const int row = indexAt(event->position().toPoint()).row();
  if (!from || row < 0) {
    event->ignore();
    return;
  }
  const bool copy = IsCopyDrop(*event);
  event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
  event->accept();
  emit LineDropped(*from, static_cast<int>(GetItemData(row)), copy);
}

void TCatWindow::Clear() {
  ++codeSelecting_;
  clear();
  --codeSelecting_;
  lastSelected_ = None;
}

int TCatWindow::AddString(const std::string& name) {
  // After every name that sorts before or equal to it: equal names stay in the order added.
  int low = 0;
  int high = count();
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (CompareText(GetString(mid), name) <= 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  const int pos = low;
  auto* item = new QListWidgetItem(Cp1252::Decode(name));
  item->setData(NameRole, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  item->setData(DataRole, 0u);
  ++codeSelecting_;
  insertItem(pos, item);
  --codeSelecting_;
  lastSelected_ = GetSelIndex();
  return pos;
}

void TCatWindow::DeleteString(int pos) {
  if (pos < 0 || pos >= count()) return;
  const bool wasSelected = pos == GetSelIndex();
  ++codeSelecting_;
  delete takeItem(pos);
  // The list must not hand the selection on to a neighbour of the removed item.
  if (wasSelected) SetSelIndex(None);
  --codeSelecting_;
  lastSelected_ = GetSelIndex();
}

void TCatWindow::SetItemData(int pos, std::uint32_t data) {
  if (QListWidgetItem* it = item(pos)) it->setData(DataRole, data);
}

std::uint32_t TCatWindow::GetItemData(int pos) const {
  const QListWidgetItem* it = item(pos);
  return it ? it->data(DataRole).toUInt() : 0;
}

int TCatWindow::GetCount() const { return count(); }

std::string TCatWindow::GetString(int pos) const {
  const QListWidgetItem* it = item(pos);
  return it ? it->data(NameRole).toByteArray().toStdString() : std::string();
}

int TCatWindow::GetSelIndex() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? None : row(selected.constFirst());
}

void TCatWindow::SetSelIndex(int pos) {
  ++codeSelecting_;
  if (pos >= 0 && pos < count()) {
    setCurrentRow(pos, QItemSelectionModel::ClearAndSelect);
  } else {
    clearSelection();
    setCurrentItem(nullptr, QItemSelectionModel::Clear);
  }
  --codeSelecting_;
  lastSelected_ = GetSelIndex();
}

bool TCatWindow::MoveSelectionByKey(int qtKey) {
  CursorAction action;
  switch (qtKey) {
    case Qt::Key_PageUp:
      action = MovePageUp;
      break;
    case Qt::Key_PageDown:
      action = MovePageDown;
      break;
    case Qt::Key_Home:
      action = MoveHome;
      break;
    case Qt::Key_End:
      action = MoveEnd;
      break;
    case Qt::Key_Up:
      action = MoveUp;
      break;
    case Qt::Key_Down:
      action = MoveDown;
      break;
    default:
      return false;
  }
  if (count() == 0) return true;
  // Without a selection every key lands on the first row, as in a list box.
  const QModelIndex next = GetSelIndex() == None ? model()->index(0, 0) : moveCursor(action, {});
  if (next.isValid()) {
    setCurrentIndex(next);
    selectionModel()->select(next, QItemSelectionModel::ClearAndSelect);
    scrollTo(next);
  }
  return true;
}

void TCatWindow::SetScreenFont(const QFont& font) { setFont(font); }

void TCatWindow::SetTextColor(const QColor& color) {
  QPalette pal = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Text, color);
    pal.setColor(group, QPalette::Base, Qt::white);
  }
  setPalette(pal);
}

void TCatWindow::OnSelectionChanged() {
  const int now = GetSelIndex();
  if (codeSelecting_ > 0 || now == lastSelected_) {
    lastSelected_ = now;
    return;
  }
  lastSelected_ = now;
  emit SelectionChangedByUser();
}

void TCatWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    // The row under the pointer is selected exactly as by a left click first.
    const QPoint pos = event->position().toPoint();
    if (QListWidgetItem* it = itemAt(pos)) {
      setCurrentItem(it, QItemSelectionModel::ClearAndSelect);
    }
    emit LeftClicked();
    emit RightClicked(pos);
    return;
  }
  QListWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit LeftClicked();
}

}  // namespace zelto
