#pragma once
// The "Print options" dialog: the number of columns, the print font size, whether to print
// all categories or the one the note window shows, and whether child categories are printed
// too. The numbers change the settings in memory only; nothing is written to the store.
#include <functional>
#include <optional>

#include "common/ZeltoSettings.h"
#include "platform/ResourceDialog.h"
#include "print/TPDialogOptions.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zelto {

class TPDialog : public ResourceDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContextId = 12;
  static constexpr int IDC_FONTSIZE = 102;
  static constexpr int IDC_COLUMNS = 103;
  static constexpr int IDC_CHILDREN = 104;
  static constexpr int IDC_SELECTION = 105;
  static constexpr int IDC_CURRENT = 106;
  static constexpr int IDC_ALL = 107;

  // The category the note window shows at the moment it is asked, or none.
  using ShownCategory = std::function<std::optional<TabInx>()>;

  // Edits NumCols and PrintFontSize of `settings` and the print selection. All references
  // must outlive the dialog.
  TPDialog(ZeltoSettings& settings, PrintSelection& selection, ShownCategory shownCategory,
           QWidget* parent = nullptr);

  // The controls as they stand now.
  PrintOptionsForm Form() const;

  QLineEdit* ColumnsEdit() const { return columns_; }
  QLineEdit* FontSizeEdit() const { return fontSize_; }
  QRadioButton* AllButton() const { return all_; }
  QRadioButton* CurrentButton() const { return current_; }
  QCheckBox* ChildrenBox() const { return children_; }

 protected:
  void Ok() override;

 private:
  ZeltoSettings& settings_;
  PrintSelection& selection_;
  ShownCategory shownCategory_;
  QRadioButton* all_;
  QRadioButton* current_;
  QCheckBox* children_;
  QLineEdit* columns_;
  QLineEdit* fontSize_;
};

}  // namespace zelto
