#pragma once
// The About box: the product name and version, the copyright notice and the special build
// of the program, as the version block of the program file gives them. A line whose value
// the file does not have keeps its own text.
#include <QString>

#include "platform/ResourceDialog.h"

class QLabel;

namespace zelto {

class TZeltoAboutDlg : public ResourceDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_VERSION = 22001;
  static constexpr int IDC_COPYRIGHT = 22002;
  static constexpr int IDC_SPECIALBUILD = 22003;

  // Shows the version of the file the program runs from.
  explicit TZeltoAboutDlg(QWidget* parent = nullptr);
  // Shows the version of `programFile`.
  TZeltoAboutDlg(QWidget* parent, const QString& programFile);

  QString VersionLine() const;
  QString CopyrightLine() const;
  QString SpecialBuildLine() const;

 private:
  QLabel* version_;
  QLabel* copyright_;
  QLabel* specialBuild_;
};

}  // namespace zelto
