#pragma once
// The entry action, search and configuration commands of a main window, installed as one
// set that lives as long as the window.
#include <QFont>
#include <QObject>
#include <functional>
#include <memory>
#include <string_view>

#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "mainwin/ActionCommands.h"
#include "mainwin/Search.h"
#include "model/Document.h"
#include "platform/DesktopActions.h"

namespace zelto {

class TZeltoWindow;
class SearchCommands;
class FindAllCommands;
class ConfigCommands;

// What the three groups work on besides the window; the application object owns all of it.
struct MainWindowSession {
  Document& doc;
  ZeltoSettings& settings;
  SettingsStore& store;             // where a changed setting is written at once
  QFont& screenFont;                // made from the ScreenFont and ScreenFontSize settings
  SearchState& search;              // where Find and Next stand
  PopupTargets& popup;              // what the last popup's link and phone items act on
  ProgramPermissions* permissions;  // which program entries run without a question
  // The menu hint of a command (the colour dialog's title names the colour by it).
  std::function<std::string_view(int id)> commandHint = {};
};

class MainWindowCommands : public QObject {
  Q_OBJECT

 public:
  // Adds the commands to `window`'s command table. Without `desktop` the running desktop
  // carries the actions out.
  MainWindowCommands(const MainWindowSession& session, TZeltoWindow& window,
                     std::unique_ptr<DesktopActions> desktop = nullptr);
  ~MainWindowCommands() override;

  // Each is missing when the window has no note window to work on.
  ActionCommands* Actions() const { return actions_; }
  SearchCommands* Search() const { return search_; }
  FindAllCommands* FindAll() const { return findAll_; }
  ConfigCommands* Config() const { return config_; }
  DesktopActions& Desktop() const { return *desktop_; }

  // The set installed on `window`, if any.
  static MainWindowCommands* Of(const TZeltoWindow& window);

 private:
  std::unique_ptr<DesktopActions> desktop_;
  ActionCommands* actions_ = nullptr;
  SearchCommands* search_ = nullptr;
  FindAllCommands* findAll_ = nullptr;
  ConfigCommands* config_ = nullptr;
};

}  // namespace zelto
