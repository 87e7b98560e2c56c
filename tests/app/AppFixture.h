#pragma once
// A started application object in a temporary folder: settings in memory, documents on
// disk, the file-type registration recorded instead of written, and every question answered
// through the Prompter's queues.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "app/TZeltoApp.h"
#include "platform/Prompter.h"
#include "platform/QtDocumentLocks.h"
#include "platform/QtFileStore.h"
#include "support/QtApp.h"

namespace zelto::testing {

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQApplication();
    Prompter::SetTestMode(true);
    Prompter::ResetTestHooks();
  }
  void TearDown() override {
    app.reset();
    Prompter::ResetTestHooks();
  }

  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

  // Starts the program with the stored values already in `settings` (DefaultFile defaults to
  // "start.zlt" in the temporary folder) and the arguments `args`.
  void Start(const std::vector<std::string>& args = {}) {
    if (!ownedSettings) {
      // A new run reads what the last one stored.
      ownedSettings = std::make_unique<MemorySettingsStore>();
      for (const auto& [name, value] : settings->Values()) ownedSettings->Put(name, value);
      settings = ownedSettings.get();
    }
    app.reset();
    if (!settings->Peek("DefaultFile")) settings->Put("DefaultFile", Path("start.zlt"));
    TZeltoAppServices services;
    services.settings = std::move(ownedSettings);
    services.files = std::make_unique<QtFileStore>();
    services.recoveryFolder = Path("recovery");
    services.locks = std::make_unique<QtDocumentLocks>();
    services.fileTypeRegistration = [this](bool remove) { registrations.push_back(remove); };
    app = std::make_unique<TZeltoApp>(std::move(services));
    app->InitInstance(args);
    askedAtStart = Prompter::History();
    Prompter::ResetTestHooks();  // only what the test itself causes is recorded
  }

  // The program started on a saved document "start.zlt" holding the category "Default".
  void StartOnSavedDocument() {
    Start();
    ASSERT_TRUE(app->doc.modified);  // a new file: the default category was added
    app->CmFileSave();
    ASSERT_FALSE(app->doc.modified);
    Prompter::ResetTestHooks();
  }

  // A change as any editing command makes it.
  void ChangeDocument(const std::string& note = "changed") {
    app->doc.tabs[0].notes.Add(NoteString{note, 0});
    app->doc.modified = true;
  }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static bool Exists(const std::string& path) { return std::ifstream(path).good(); }
  // Runs the event loop until `done` holds or `ms` have passed.
  static bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
  }

  // How often the given kind of question or dialog was shown (with this text, if given).
  static int Asked(Prompter::Asked::Kind kind, const QString& text = QString()) {
    int n = 0;
    for (const Prompter::Asked& a : Prompter::History())
      if (a.kind == kind && (text.isNull() || a.text == text)) ++n;
    return n;
  }
  static int SaveQuestions() {
    return Asked(Prompter::Asked::Kind::Question, QStringLiteral("File has changed.  Save?"));
  }

  QTemporaryDir dir;
  std::unique_ptr<MemorySettingsStore> ownedSettings = std::make_unique<MemorySettingsStore>();
  MemorySettingsStore* settings = ownedSettings.get();  // lives in `app` once started
  std::vector<bool> registrations;                      // true: removed
  std::vector<Prompter::Asked> askedAtStart;  // the questions and messages of the last start
  std::unique_ptr<TZeltoApp> app;
};

}  // namespace zelto::testing
