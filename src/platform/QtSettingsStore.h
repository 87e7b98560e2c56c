#pragma once
// The settings key on disk: the registry key HKEY_CURRENT_USER\Software\Zelto on Windows,
// the INI file Zelto/Zelto.conf in the user's configuration folder elsewhere.
//
// An INI file keeps no types: in a new process every value reads back as text, and a
// hand-written "a=1,2,3" reads back as a list. This store turns both back into the values
// the program wrote: numbers are parsed where a number is read, and a list is joined again
// with its commas, so a colour "0,128,255" reads back whole.
#include <QString>
#include <memory>

#include "common/SettingsStore.h"

class QSettings;

namespace zelto {

class QtSettingsStore : public SettingsStore {
 public:
  // The platform's settings key.
  QtSettingsStore();
  // An INI file at `iniPath`.
  explicit QtSettingsStore(QString iniPath);
  ~QtSettingsStore() override;

  // Where the INI file lives outside Windows: $XDG_CONFIG_HOME/Zelto/Zelto.conf.
  static QString DefaultIniPath();

 protected:
  bool Open() override;
  void Close() override;
  std::optional<StoredValue> Get(std::string_view name) const override;
  bool Set(std::string_view name, const StoredValue& value) override;

 private:
  // Once per store: the INI file and its folder readable by the user alone (0600 in 0700).
  void MakeFilePrivate();

  QString iniPath_;  // empty: the Windows registry
  bool filePrivate_ = false;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace zelto
