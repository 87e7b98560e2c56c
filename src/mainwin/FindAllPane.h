#pragma once
// The Find all pane: a field searched as the user types, the number of hits, and the list
// of hits. It only shows and reports; FindAllCommands does the searching.
#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;

namespace zelto {

class FindAllModel;

class FindAllPane : public QWidget {
  Q_OBJECT

 public:
  explicit FindAllPane(QWidget* parent = nullptr);

  QLineEdit* Field() const { return field_; }
  QListView* List() const { return list_; }
  QLabel* CountLabel() const { return count_; }
  FindAllModel& Model() const { return *model_; }
  void ShowCount(const QString& text);

 signals:
  // The text of the field changed.
  void TextChanged(const QString& text);
  // Enter or a double click on row `row` (Enter in the field: the selected row, or the first).
  void HitChosen(int row);
  // Escape.
  void CloseRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int ChosenRow() const;

  QLineEdit* field_;
  QLabel* count_;
  QListView* list_;
  FindAllModel* model_;
};

}  // namespace zelto
