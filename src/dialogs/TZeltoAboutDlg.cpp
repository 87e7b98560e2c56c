#include "dialogs/TZeltoAboutDlg.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "dialogs/TProjectRCVersion.h"
#include "platform/ButtonImages.h"
#include "platform/Cp1252.h"

namespace zelto {

TZeltoAboutDlg::TZeltoAboutDlg(QWidget* parent)
    : TZeltoAboutDlg(parent, QCoreApplication::applicationFilePath()) {}

TZeltoAboutDlg::TZeltoAboutDlg(QWidget* parent, const QString& programFile)
    : ResourceDialog(parent, QStringLiteral("About Zelto"), 204, 65) {
  const Qt::Alignment centred = Qt::AlignHCenter;
  AddStatic(QStringLiteral("Brindamor"), 2, 4, 200, 8, centred);
  version_ = AddStatic(QStringLiteral("Version"), 2, 14, 200, 8, centred, IDC_VERSION);
  copyright_ = AddStatic(QString(), 2, 27, 200, 17, centred, IDC_COPYRIGHT);
  AddStatic(QStringLiteral("A desktop organiser for short notes"), 2, 35, 200, 8, centred);
  specialBuild_ = AddStatic(QString(), 136, 55, 66, 8, Qt::AlignRight, IDC_SPECIALBUILD);
  auto* icon = Place(new QLabel, 2, 2, 34, 34);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  AddButton(IDOK, QStringLiteral("OK"), 82, 48, 40, 14);

  // The dialog opens at its place relative to the owner's client area.
  if (parent) move(parent->mapToGlobal(Units().Rect(12, 17, 0, 0).topLeft()));

  const TProjectRCVersion versionInfo(programFile);
  const auto name = versionInfo.GetProductName();
  const auto version = versionInfo.GetProductVersion();
  if (name && version) {
    version_->setText(
        QStringLiteral("%1 %2 %3")
            .arg(Cp1252::Decode(*name), version_->text().left(127), Cp1252::Decode(*version)));
  }
  if (const auto copyright = versionInfo.GetCopyright())
    copyright_->setText(Cp1252::Decode(*copyright));
  if (const auto special = versionInfo.GetSpecialBuild())
    specialBuild_->setText(Cp1252::Decode(*special));
}

QString TZeltoAboutDlg::VersionLine() const { return version_->text(); }
QString TZeltoAboutDlg::CopyrightLine() const { return copyright_->text(); }
QString TZeltoAboutDlg::SpecialBuildLine() const { return specialBuild_->text(); }

}  // namespace zelto
