#pragma once
// A one-line field of the program dialog that does not scroll sideways: typing or pasting
// stops once the text fills the visible width, and it takes at most 511 characters. A text
// set by the program (a path picked with Browse) may be longer than the field shows.
#include <QLineEdit>

namespace zelto {

class TExecDialogField : public QLineEdit {
  Q_OBJECT

 public:
  explicit TExecDialogField(QWidget* parent = nullptr);

  // Whether `text` fits into the visible width of the field.
  bool Fits(const QString& text) const;

  // Sets a text chosen by the program, which may be wider than the field shows.
  void SetWholeText(const QString& text);

  // Whether an edit that turns the current text into `edited` is taken.
  bool Takes(const QString& edited) const;

 private:
  QString current_;  // the text before the edit under way
  bool settingWhole_ = false;
};

}  // namespace zelto
