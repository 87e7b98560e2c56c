#include "dialogs/TCatDialog.h"

#include <QListWidget>

#include "platform/Cp1252.h"
#include "platform/Prompter.h"

namespace zelto {

TCatDialog::TCatDialog(const TabList& tabs, ZeltoSettings& settings, SettingsStore& store,
                       QWidget* parent)
    : ResourceDialog(parent, QStringLiteral("Default category"), 193, 105, HelpContextId),
      tabs_(tabs),
      settings_(settings),
      store_(store) {
  AddButton(IDOK, QStringLiteral("OK"), 129, 23, 50, 14);
  AddButton(IDCANCEL, QStringLiteral("Cancel"), 129, 43, 50, 14);
  AddButton(IDHELP, QStringLiteral("Help"), 129, 63, 50, 14);
  // The list keeps a margin to the dialog's bottom edge, so that its last row and its
  // scroll bar stay in view.
  list_ = Place(new QListWidget, 24, 32, 88, 105 - 32 - 7, IDC_LIST);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  AddStatic(QStringLiteral("Default category:"), 24, 12, 88, 16);

  // The top-level categories in view. A cut category is left out: it is not saved while it
  // waits to be pasted, and may come back as a child, so it cannot serve as the default.
  for (std::size_t i = 0; i < tabs_.Count(); ++i)
    if (tabs_[i].IsTopLevel() && tabs_[i].IsNormal())
      choices_.Add(tabs_[i].text, static_cast<int>(i));
  for (const auto& item : choices_) list_->addItem(Cp1252::Decode(item.text));

  if (const auto match = choices_.FindPrefix(settings_.DefaultCat))
    list_->setCurrentRow(static_cast<int>(*match));
  else
    list_->setCurrentRow(-1);
}

void TCatDialog::Ok() {
  const int row = list_->currentRow();
  if (row < 0 || !list_->currentItem()->isSelected() ||
      static_cast<std::size_t>(row) >= choices_.Size()) {
    done(Rejected);
    return;
  }
  const auto index = static_cast<std::size_t>(choices_[static_cast<std::size_t>(row)].data);
  if (tabs_[index].text.size() > MaxLongSettingText) {
    // The next start could not read it back; the dialog stays open for another choice.
    Prompter::Message(QStringLiteral("The default category was not changed: its name is "
                                     "longer than %1 bytes.")
                          .arg(MaxLongSettingText),
                      QString());
    return;
  }
  settings_.DefaultCat = tabs_[index].text;
  store_.OpenSettingsKey();
  store_.WriteString("DefaultCat", settings_.DefaultCat);
  store_.CloseSettingsKey();
  done(Accepted);
}

}  // namespace zelto
