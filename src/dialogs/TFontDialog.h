#pragma once
// The program's font chooser: the installed font faces and a size field. It serves the
// screen font and the printer font; on OK the chosen face and size go into the settings and
// are written to the settings store at once.
#include <cstdint>
#include <memory>
#include <string>

#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "dialogs/SortedChoices.h"
#include "platform/ResourceDialog.h"

class QComboBox;
class QLineEdit;

namespace zelto {

class TFontDialog : public ResourceDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContextId = 10;
  static constexpr int IDC_FACE = 101;
  static constexpr int IDC_SIZE = 102;
  // Sizes the dialog accepts; any other is ignored and the old size kept.
  static constexpr bool IsAcceptedSize(std::int64_t size) { return size >= 5 && size <= 50; }

  // `face` and `size` are the settings the dialog edits, stored under `faceValueName` and
  // `sizeValueName`. All references must outlive the dialog.
  TFontDialog(const QString& title, std::string faceValueName, std::string& face,
              std::string sizeValueName, std::uint32_t& size, SettingsStore& store,
              QWidget* parent = nullptr);

  // The two uses of the dialog: the screen font and the printer font.
  static std::unique_ptr<TFontDialog> ForScreenFont(ZeltoSettings& settings, SettingsStore& store,
                                                    QWidget* parent = nullptr);
  static std::unique_ptr<TFontDialog> ForPrinterFont(ZeltoSettings& settings, SettingsStore& store,
                                                     QWidget* parent = nullptr);

  QComboBox* FaceBox() const { return faceBox_; }
  QLineEdit* SizeEdit() const { return sizeEdit_; }
  // The faces in the order the list shows them.
  const SortedChoices& Faces() const { return faces_; }

 protected:
  // Takes the size when it is accepted and the selected face, and writes both. With no face
  // selected nothing changes and the dialog closes as if cancelled.
  void Ok() override;

 private:
  // The row to select: the first face that begins with the stored one; when none does (the
  // stored face is not installed), the face the system uses in its stead; -1 when neither
  // is listed.
  int CurrentFaceRow() const;

  std::string faceValueName_;
  std::string& face_;
  std::string sizeValueName_;
  std::uint32_t& size_;
  SettingsStore& store_;
  SortedChoices faces_;
  QComboBox* faceBox_;
  QLineEdit* sizeEdit_;
};

}  // namespace zelto
