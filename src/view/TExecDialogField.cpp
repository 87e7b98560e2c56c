#include "view/TExecDialogField.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include "common/ProgramEntry.h"

namespace zelto {

namespace {

class FitsFieldValidator : public QValidator {
 public:
  explicit FitsFieldValidator(TExecDialogField* field) : QValidator(field), field_(field) {}

  State validate(QString& input, int&) const override {
    return field_->Takes(input) ? Acceptable : Invalid;
  }

 private:
  TExecDialogField* field_;
};

// The gap QLineEdit keeps on either side of its text, and room for the caret.
constexpr int TextSideMargin = 2;
constexpr int CaretWidth = 1;

}  // namespace

TExecDialogField::TExecDialogField(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(static_cast<int>(ProgramFieldLimit));
  setValidator(new FitsFieldValidator(this));
  // While an edit is checked the field already holds the edited text; remember the one before.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { current_ = text; });
}

void TExecDialogField::SetWholeText(const QString& text) {
  settingWhole_ = true;
  setText(text);
  settingWhole_ = false;
}

// An edit that makes the text longer than the field can show is refused. One that makes
// it no longer (deleting, or replacing a selection with as many characters) is always
// taken, so a text already too wide can still be corrected.
bool TExecDialogField::Takes(const QString& edited) const {
  return settingWhole_ || edited.size() <= current_.size() || Fits(edited);
}

bool TExecDialogField::Fits(const QString& text) const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  const int room =
      contents.width() - margins.left() - margins.right() - 2 * TextSideMargin - CaretWidth;
  return fontMetrics().horizontalAdvance(text) <= room;
}

}  // namespace zelto
