#include "print/TPDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace zelto {

TPDialog::TPDialog(ZeltoSettings& settings, PrintSelection& selection, ShownCategory shownCategory,
                   QWidget* parent)
    : ResourceDialog(parent, QStringLiteral("Print options"), 190, 139, HelpContextId),
      settings_(settings),
      selection_(selection),
      shownCategory_(std::move(shownCategory)) {
  AddButton(IDOK, QStringLiteral("OK"), 128, 6, 50, 14);
  AddButton(IDCANCEL, QStringLiteral("Cancel"), 128, 26, 50, 14);
  AddButton(IDHELP, QStringLiteral("Help"), 128, 46, 50, 14);
  auto* group =
      Place(new QGroupBox(QStringLiteral("Category selection")), 8, 8, 96, 44, IDC_SELECTION);
  all_ = Place(new QRadioButton(QStringLiteral("Print all categories")), 17, 18, 76, 12, IDC_ALL);
  current_ = Place(new QRadioButton(QStringLiteral("Print current category")), 17, 34, 76, 12,
                   IDC_CURRENT);
  // The frame encloses its choices however wide their texts are.
  const int right = std::max(all_->geometry().right(), current_->geometry().right());
  if (right + Units().X(4) > group->geometry().right())
    group->resize(right + Units().X(4) - group->x() + 1, group->height());
  // The two choices exclude each other: exactly one of them is on.
  auto* choice = new QButtonGroup(this);
  choice->addButton(all_);
  choice->addButton(current_);
  children_ = Place(new QCheckBox(QStringLiteral("Print child categories as well")), 17, 57, 108,
                    20, IDC_CHILDREN);
  AddStatic(QStringLiteral("Number of columns"), 20, 84, 68, 12);
  columns_ = Place(new QLineEdit, 90, 84, 40, 12, IDC_COLUMNS);
  AddStatic(QStringLiteral("Font size"), 20, 104, 68, 12);
  fontSize_ = Place(new QLineEdit, 90, 104, 40, 12, IDC_FONTSIZE);

  const PrintOptionsForm form =
      PrintOptionsFormFor(settings_.NumCols, settings_.PrintFontSize, selection_);
  columns_->setText(QString::fromStdString(form.columns));
  fontSize_->setText(QString::fromStdString(form.fontSize));
  (form.allCategories ? all_ : current_)->setChecked(true);
  children_->setChecked(form.withChildren);
}

PrintOptionsForm TPDialog::Form() const {
  PrintOptionsForm form;
  form.columns = columns_->text().toStdString();
  form.fontSize = fontSize_->text().toStdString();
  form.allCategories = all_->isChecked();
  form.withChildren = children_->isChecked();
  return form;
}

void TPDialog::Ok() {
  const std::optional<TabInx> shown = shownCategory_ ? shownCategory_() : std::nullopt;
  ApplyPrintOptions(Form(), shown, settings_.NumCols, settings_.PrintFontSize, selection_);
  done(Accepted);
}

}  // namespace zelto
