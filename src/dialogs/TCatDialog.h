#pragma once
// The "Default category" dialog: the user picks one of the top-level categories, and its name
// becomes the DefaultCat setting, written to the settings store at once.
#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "dialogs/SortedChoices.h"
#include "model/TabList.h"
#include "platform/ResourceDialog.h"

class QListWidget;

namespace zelto {

class TCatDialog : public ResourceDialog {
  Q_OBJECT

 public:
  static constexpr int HelpContextId = 9;
  static constexpr int IDC_LIST = 101;

  // Lists the top-level categories of `tabs` and selects the one DefaultCat names. The
  // document, the settings and the store must outlive the dialog.
  TCatDialog(const TabList& tabs, ZeltoSettings& settings, SettingsStore& store,
             QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }
  // The categories in the order the list shows them, with their indices.
  const SortedChoices& Choices() const { return choices_; }

 protected:
  // Stores the selected category's name; with nothing selected nothing changes and the
  // dialog closes as if cancelled.
  void Ok() override;

 private:
  const TabList& tabs_;
  ZeltoSettings& settings_;
  SettingsStore& store_;
  SortedChoices choices_;
  QListWidget* list_;
};

}  // namespace zelto
