#pragma once
// The commands of the Configure menu: colours, screen options, printing layout, margins,
// the default file and web links. Each changes one setting and writes that value to the
// settings store at once.
#include <QFont>
#include <QObject>
#include <array>
#include <functional>
#include <string_view>

#include "common/SettingsStore.h"
#include "common/ZeltoSettings.h"
#include "model/TabList.h"

class QDialog;

namespace zelto {

class TZeltoWindow;
class CommandTable;

// What the configuration commands work on besides the main window.
struct ConfigSession {
  ZeltoSettings& settings;
  SettingsStore& store;  // where a changed setting is written at once
  QFont& screenFont;     // made again when the screen font changes
  const TabList& tabs;   // the default category is one of their top-level categories
  // The menu hint of a command, which titles the colour dialog of a colour command.
  std::function<std::string_view(int id)> commandHint = {};
};

class ConfigCommands : public QObject {
  Q_OBJECT

 public:
  // Lives as long as `window`, whose command table receives the commands.
  ConfigCommands(ConfigSession session, TZeltoWindow& window);

  void AddTo(CommandTable& commands);

  // Colour commands: `id` is one of the five colour command ids.
  void ChooseColour(int id);
  void ToggleMultiLine();
  void AskColumns();
  // Margin commands: `id` is one of the four margin command ids.
  void AskMargin(int id);
  // The font dialogs, and the default category dialog.
  void ChooseScreenFont();
  void ChoosePrinterFont();
  void ChooseDefaultCategory();
  void ChooseDefaultFile();
  void ToggleWebLinks();

  // The custom colours the colour dialog offers, kept for the run.
  const std::array<Colour, 16>& CustomColours() const { return customColours_; }

  // Runs a modal dialog and returns its result; tests put a runner in place that answers
  // the dialog without showing it. An empty runner restores the real one.
  using DialogRunner = std::function<int(QDialog&)>;
  static void SetDialogRunner(DialogRunner runner);

 private:
  // Writes one value between opening and closing the settings key; whether it was written.
  bool WriteText(std::string_view name, std::string_view text);
  void WriteNumber(std::string_view name, std::uint32_t value);
  // The main window takes the changed colours or line setting and repaints.
  void ApplyLook();
  static int RunDialog(QDialog& dialog);

  ConfigSession s_;
  TZeltoWindow& window_;
  std::array<Colour, 16> customColours_{};
  bool customColoursFilled_ = false;
};

}  // namespace zelto
