#include "dialogs/TFontDialog.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <algorithm>

#include "common/DialogNumber.h"
#include "dialogs/FaceNames.h"
#include "dialogs/FaceTable.h"
#include "platform/Cp1252.h"

namespace zelto {

TFontDialog::TFontDialog(const QString& title, std::string faceValueName, std::string& face,
                         std::string sizeValueName, std::uint32_t& size, SettingsStore& store,
                         QWidget* parent)
    : ResourceDialog(parent, title, 240, 120, HelpContextId),
      faceValueName_(std::move(faceValueName)),
      face_(face),
      sizeValueName_(std::move(sizeValueName)),
      size_(size),
      store_(store) {
  AddButton(IDOK, QStringLiteral("OK"), 186, 6, 50, 14);
  AddButton(IDCANCEL, QStringLiteral("Cancel"), 186, 26, 50, 14);
  AddButton(IDHELP, QStringLiteral("Help"), 186, 46, 50, 14);
  faceBox_ = Place(new QComboBox, 44, 20, 88, 56, IDC_FACE);
  sizeEdit_ = Place(new QLineEdit, 100, 96, 32, 12, IDC_SIZE);
  // The label stays the same for the printer font.
  AddStatic(QStringLiteral("Screen font:"), 44, 4, 88, 12);
  AddStatic(QStringLiteral("Font size:"), 44, 96, 52, 12);

  // The given height covers the opened list; the closed box takes its natural height.
  const QRect box = faceBox_->geometry();
  const int closedHeight = faceBox_->sizeHint().height();
  faceBox_->setGeometry(box.x(), box.y(), box.width(), closedHeight);
  faceBox_->setMaxVisibleItems(
      std::max(3, (box.height() - closedHeight) / std::max(1, faceBox_->fontMetrics().height())));

  {
    // The fonts are listed afresh each time the dialog opens, each family once whichever
    // foundries make it. A face whose name the settings cannot hold (outside the
    // Windows-1252 code page, or too long) is not offered.
    const FaceTable::Use table;
    std::vector<std::string> listed;
    for (const QString& name : table.Faces()) {
      Cp1252::Encoded bytes = Cp1252::Encode(name);
      if (bytes.Ok()) listed.push_back(std::move(bytes.bytes));
    }
    for (std::string& name : DistinctFaces(listed))
      if (name.size() <= MaxSettingText) faces_.Add(std::move(name), 0);
  }
  for (const auto& item : faces_) faceBox_->addItem(Cp1252::Decode(item.text));
  faceBox_->setCurrentIndex(CurrentFaceRow());

  sizeEdit_->setText(QString::number(static_cast<std::int32_t>(size_)));
}

int TFontDialog::CurrentFaceRow() const {
  if (const auto match = faces_.FindPrefix(face_)) return static_cast<int>(*match);
  // A face that is not installed: the one the system draws with in its stead.
  const QString used = QFontInfo(QFont(Cp1252::Decode(face_))).family();
  const Cp1252::Encoded bytes = Cp1252::Encode(used);
  if (!bytes.Ok()) return -1;
  const auto match = faces_.FindPrefix(FaceWithoutFoundry(bytes.bytes));
  return match ? static_cast<int>(*match) : -1;
}

std::unique_ptr<TFontDialog> TFontDialog::ForScreenFont(ZeltoSettings& settings,
                                                        SettingsStore& store, QWidget* parent) {
  return std::make_unique<TFontDialog>(QStringLiteral("Screen font"), "ScreenFont",
                                       settings.ScreenFont, "ScreenFontSize",
                                       settings.ScreenFontSize, store, parent);
}

std::unique_ptr<TFontDialog> TFontDialog::ForPrinterFont(ZeltoSettings& settings,
                                                         SettingsStore& store, QWidget* parent) {
  return std::make_unique<TFontDialog>(QStringLiteral("Printer font"), "PrintFont",
                                       settings.PrintFont, "PrintFontSize", settings.PrintFontSize,
                                       store, parent);
}

void TFontDialog::Ok() {
  const int row = faceBox_->currentIndex();
  if (row < 0 || static_cast<std::size_t>(row) >= faces_.Size()) {
    done(Rejected);
    return;
  }
  const std::int64_t size = LeadingDecimal(sizeEdit_->text().toStdString());
  if (IsAcceptedSize(size)) size_ = static_cast<std::uint32_t>(size);
  face_ = faces_[static_cast<std::size_t>(row)].text;

  store_.OpenSettingsKey();
  store_.WriteString(faceValueName_, face_);
  store_.WriteDword(sizeValueName_, size_);
  store_.CloseSettingsKey();
  done(Accepted);
}

}  // namespace zelto
