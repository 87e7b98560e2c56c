// Brindamor: the program's entry point.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "ProgramInfo.h"
#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/TZeltoApp.h"
#include "common/ZeltoSettings.h"
#include "platform/QtFileStore.h"
#include "platform/QtSettingsStore.h"
#include "platform/StandardOutput.h"

namespace {

// The actions that need no window run here, before any GUI object exists, so that they
// work without a display.
int RunHeadless(const std::vector<std::string>& args) {
  zelto::QtSettingsStore settingsStore;
  zelto::ZeltoSettings settings;
  settings.ReadSettings(settingsStore, std::string());
  zelto::QtFileStore files;
  zelto::HeadlessIo io{files, std::cout, std::cerr, zelto::WriteStandardOutput,
                       settings.DefaultCat};
  return zelto::RunHeadlessCommand(args, io);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (zelto::IsHeadlessCommand(args)) return RunHeadless(args);

  QApplication qtApp(argc, argv);
  // The desktop matches the program's windows to its menu entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(ZELTO_DESKTOP_ID));
  zelto::TZeltoApp app;
  return app.Run(zelto::ArgumentsLeftByQt(argc, argv));
}
