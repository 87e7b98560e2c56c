#pragma once
// The entry action, search and configuration commands of a main window, installed as one
// set that lives as long as the window.
#include <QObject>
#include <memory>

#include "platform/DesktopActions.h"

namespace zelto {

class TZeltoApp;
class TZeltoWindow;
class ActionCommands;
class SearchCommands;
class ConfigCommands;

class MainWindowCommands : public QObject {
  Q_OBJECT

 public:
  // Adds the commands to `window`'s command table. Without `desktop` the running desktop
  // carries the actions out.
  MainWindowCommands(TZeltoApp& app, TZeltoWindow& window,
                     std::unique_ptr<DesktopActions> desktop = nullptr);
  ~MainWindowCommands() override;

  // Each is missing when the window has no note window to work on.
  ActionCommands* Actions() const { return actions_; }
  SearchCommands* Search() const { return search_; }
  ConfigCommands* Config() const { return config_; }
  DesktopActions& Desktop() const { return *desktop_; }

  // The set installed on `window`, if any.
  static MainWindowCommands* Of(const TZeltoWindow& window);

 private:
  std::unique_ptr<DesktopActions> desktop_;
  ActionCommands* actions_ = nullptr;
  SearchCommands* search_ = nullptr;
  ConfigCommands* config_ = nullptr;
};

}  // namespace zelto
