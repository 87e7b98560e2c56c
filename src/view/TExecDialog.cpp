#include "view/TExecDialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "common/ProgramEntry.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/Prompter.h"
#include "view/TExecDialogField.h"
#include "view/TNoteDialogControls.h"

namespace zelto {

namespace {

const QString WarningCaption = QStringLiteral("WARNING");

// The program types offered. "All Files" matches every file: programs on this platform
// usually have no extension, and "*.*" would show only names with a dot.
FileDialogData ProgramFileDialog() {
  FileDialogData data;
  data.filter =
      "All Files (*)|*|Exe Files (*.exe)|*.exe|Com Files (*.com)|*.com|Bat Files (*.bat)|*.bat|";
  // The file and its folder must exist; the current directory stays as it is.
  data.flags = FileDialogFileMustExist | FileDialogPathMustExist | FileDialogNoChangeDir;
  return data;
}

}  // namespace

TExecDialog::TExecDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setFont(QApplication::font());
  const DialogUnits du(font());

  // Created in tab order: the three fields, the buttons, then the texts.
  path_ = new TExecDialogField(this);
  path_->setGeometry(du.Rect(16, 40, 152, 16));
  arguments_ = new TExecDialogField(this);
  arguments_->setGeometry(du.Rect(16, 97, 152, 16));
  description_ = new TExecDialogField(this);
  description_->setGeometry(du.Rect(17, 131, 152, 16));

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setGeometry(du.Rect(186, 6, 50, 14));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setGeometry(du.Rect(186, 26, 50, 14));
  help_ = new QPushButton(QStringLiteral("Help"), this);
  help_->setGeometry(du.Rect(186, 46, 50, 14));
  browse_ = new QPushButton(QStringLiteral("&Browse"), this);
  browse_->setGeometry(du.Rect(20, 60, 80, 20));

  auto* intro = new QLabel(
      QStringLiteral("Type the location and name of the item you want to create a shortcut "
                     "to.  Or, search for the item by clicking Browse."),
      this);
  intro->setWordWrap(true);
  intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  intro->setGeometry(du.Rect(12, 12, 160, 24));
  auto* argumentsLabel = new QLabel(QStringLiteral("Optional command line arguments:"), this);
  PlaceControl(argumentsLabel, du, 16, 86, 140, 8);
  auto* descriptionLabel = new QLabel(QStringLiteral("Description (required):"), this);
  PlaceControl(descriptionLabel, du, 20, 122, 76, 8);

  connect(ok_, &QPushButton::clicked, this, &TExecDialog::Ok);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(help_, &QPushButton::clicked, this,
          [this] { emit helpRequested(ProgramDialogHelpContext); });
  connect(browse_, &QPushButton::clicked, this, &TExecDialog::Browse);

  setFixedSize(du.Size(238, 155));
  path_->setFocus();
}

void TExecDialog::Ok() {
  const QString description = description_->text().left(static_cast<int>(ProgramFieldLimit));
  const QString path = path_->text().left(static_cast<int>(ProgramFieldLimit));
  const QString arguments = arguments_->text().left(static_cast<int>(ProgramFieldLimit));

  entryText_.clear();
  // Without a description or a path the dialog simply stays open.
  okToClose_ = !description.isEmpty() && !path.isEmpty();
  if (!okToClose_) return;

  const Cp1252::Encoded d = Cp1252::Encode(description);
  const Cp1252::Encoded p = Cp1252::Encode(path);
  const Cp1252::Encoded a = Cp1252::Encode(arguments);
  if (!d.Ok() || !p.Ok() || !a.Ok()) {
    okToClose_ = false;
    Prompter::Message(Cp1252::RefusalMessage(
                          Cp1252::UnmappableCharacters(d.unmappable + p.unmappable + a.unmappable)),
                      WarningCaption, Prompter::Icon::Warning);
    return;
  }
  entryText_ = ProgramEntryText(d.bytes, p.bytes, a.bytes);
  accept();
}

BrowseStep StepAfterBrowse(const std::optional<QString>& chosen, long error) {
  if (chosen) {
    // A path the field cannot hold whole would be cut without a word; refuse it instead.
    if (chosen->size() > static_cast<qsizetype>(ProgramFieldLimit))
      return {BrowseStep::Kind::Report,
              QStringLiteral("The path of the chosen file is longer than %1 characters and "
                             "cannot be stored.")
                  .arg(ProgramFieldLimit)};
    return {BrowseStep::Kind::SetPath, *chosen};
  }
  if (error != 0)
    return {BrowseStep::Kind::Report,
            QStringLiteral("GetOpenFileName returned Error #%1").arg(error)};
  return {};
}

void TExecDialog::Browse() {
  // The file dialog on this platform has no error codes of its own: it gives a file or
  // nothing.
  const std::optional<std::string> chosen = Prompter::AskOpenFileName(ProgramFileDialog());
  const BrowseStep step = StepAfterBrowse(
      chosen ? std::optional<QString>(QFile::decodeName(QByteArray::fromStdString(*chosen)))
             : std::nullopt,
      0);
  switch (step.kind) {
    case BrowseStep::Kind::SetPath:
      path_->SetWholeText(step.text);
      path_->setFocus();
      break;
    case BrowseStep::Kind::Report:
      Prompter::Message(step.text, WarningCaption, Prompter::Icon::Error);
      break;
    case BrowseStep::Kind::Nothing:
      break;
  }
}

}  // namespace zelto
