#pragma once
// The category list at the right of the main window: one level of the category tree, one
// row per category, kept in the program's text order. Each row's data is the category's
// index in the document. Its selection is the program's current category.
#include <QListWidget>

#include "model/CategoryList.h"
#include "view/LineDrag.h"

namespace zelto {

class TCatWindow : public QListWidget, public CategoryList {
  Q_OBJECT

 public:
  static constexpr int ControlId = 101;

  explicit TCatWindow(QWidget* parent = nullptr);

  void Clear() override;
  int AddString(const std::string& name) override;
  void DeleteString(int pos) override;
  void SetItemData(int pos, std::uint32_t data) override;
  std::uint32_t GetItemData(int pos) const override;
  int GetCount() const override;
  std::string GetString(int pos) const override;
  int GetSelIndex() const override;
  // Selects from code: no SelectionChangedByUser is sent.
  void SetSelIndex(int pos) override;

  // Moves the selection as the list's own navigation key `qtKey` (PageUp, PageDown, Home,
  // End, Up, Down) would, with the same notification; false for other keys.
  bool MoveSelectionByKey(int qtKey);

  // The screen font and the text colour of the category names (on white).
  void SetScreenFont(const QFont& font);
  void SetTextColor(const QColor& color);

 signals:
  // The user changed the selection with the mouse or the keyboard.
  void SelectionChangedByUser();
  // A left click in the list has been handled (the selection is up to date).
  void LeftClicked();
  // A right click selected the row under the pointer; `pos` is in the list's coordinates.
  void RightClicked(QPoint pos);
  // A line dragged from the note window was dropped on the item of category `category`.
  void LineDropped(DraggedLine from, int category, bool copy);

 public:
  // The row highlighted as the target of the drag under way, or None.
  int DropTargetRow() const { return dropRow_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void OnSelectionChanged();
  int codeSelecting_ = 0;
  int lastSelected_ = None;
  int dropRow_ = None;
  // Highlights `row` as the target of a drag (None: no row).
  void SetDropRow(int row);
};

}  // namespace zelto
