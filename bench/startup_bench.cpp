// Start-up of the program's windows with a large document (1,000 categories of 1,000 notes,
// about 70 MB): from the application object's creation (settings, frame, command line,
// load) until the note window has painted for the first time, on the offscreen platform.
// `peak_MB` is the process's resident memory at its peak during the start, `peak_x_file`
// the same as a multiple of the document's size, `shown_MB` what it holds once the window
// shows the document and `before_MB` what it held before (Qt itself). The settings come
// from memory, with a default category of 1,000 notes for the first window to show, and
// the file-type registration is left out, so that the benchmark touches nothing of the
// user's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <memory>

#include "LargeDocument.h"
#include "ProcessMemory.h"
#include "app/TZeltoApp.h"
#include "common/SettingsStore.h"
#include "mainwin/TZeltoWindow.h"
#include "model/DocumentCodec.h"
#include "platform/Prompter.h"
#include "platform/QtFileStore.h"
#include "view/TNoteWindow.h"

using namespace zelto;

namespace {

QTemporaryDir& TempDir() {
  static QTemporaryDir dir;
  return dir;
}

struct LargeFile {
  std::size_t size = 0;
  std::string firstCategory;  // the first top-level category, which holds 1,000 notes
};

// The document file, written once.
LargeFile WriteLargeDocument(const std::string& path) {
  LargeFile file;
  std::string bytes;
  {
    const Document doc = bench::MakeDocument(bench::ThousandByThousand, 1000);
    bytes = EncodeDocument(doc.tabs, FileLayout::V101);
    for (const Tab& tab : doc.tabs) {
      if (tab.IsTopLevel()) {
        file.firstCategory = tab.text;
        break;
      }
    }
  }
  std::ofstream(path, std::ios::binary) << bytes;
  file.size = bytes.size();
  return file;
}

// Notes the first paint of a widget.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void BM_StartToFirstNotePaint(benchmark::State& state) {
  const std::string path = TempDir().filePath("large.zlt").toStdString();
  const LargeFile file = WriteLargeDocument(path);
  const std::size_t fileSize = file.size;
  Prompter::SetTestMode(true);
  std::size_t peak = 0, base = 0, shown = 0;
  for (auto _ : state) {
    bench::ResetPeakMemory();
    base = bench::CurrentMemory();
    const auto start = std::chrono::steady_clock::now();
    TZeltoAppServices services;
    auto settings = std::make_unique<MemorySettingsStore>();
    settings->Put("DefaultCat", file.firstCategory);  // the first window shows 1,000 notes
    services.settings = std::move(settings);
    services.files = std::make_unique<QtFileStore>();
    services.fileTypeRegistration = [](bool) {};
    auto app = std::make_unique<TZeltoApp>(std::move(services));
    PaintWatch watch;
    app->InitInstance({path});
    QWidget* notes = app->MainWindow()->NoteView()->viewport();
    notes->installEventFilter(&watch);
    notes->update();
    while (!watch.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The paint event has been handled once processEvents returns.
    QApplication::processEvents();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    peak = std::max(peak, bench::PeakMemory());
    shown = bench::CurrentMemory();
    if (app->doc.tabs.Count() != bench::ThousandByThousand.categories)
      state.SkipWithError("the document did not load as it is");
    notes->removeEventFilter(&watch);
    app.reset();
  }
  state.counters["peak_MB"] = bench::Megabytes(peak);
  state.counters["peak_x_file"] = static_cast<double>(peak) / static_cast<double>(fileSize);
  state.counters["before_MB"] = bench::Megabytes(base);
  state.counters["shown_MB"] = bench::Megabytes(shown);
  state.counters["file_MB"] = bench::Megabytes(fileSize);
}

}  // namespace

BENCHMARK(BM_StartToFirstNotePaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5);

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qtApp(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
