// Start-up of the program's windows with a large document (1,000 categories of 1,000 notes,
// about 70 MB): from the application object's creation (settings, frame, command line,
// load) until the note window has painted for the first time, on the offscreen platform.
// `peak_MB` is the process's resident memory at its peak during the start, `peak_x_file`
// the same as a multiple of the document's size. The settings come from memory and the
// file-type registration is left out, so that the benchmark touches nothing of the user's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <memory>

#include "LargeDocuments.h"
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

// The document file, written once; its size.
std::size_t WriteLargeDocument(const std::string& path) {
  std::string bytes;
  {
    const Document doc = bench::MakeDocument(bench::ThousandByThousand, 1000);
    bytes = EncodeDocument(doc.tabs, FileLayout::V101);
  }
  std::ofstream(path, std::ios::binary) << bytes;
  return bytes.size();
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
  const std::size_t fileSize = WriteLargeDocument(path);
  Prompter::SetTestMode(true);
  std::size_t peak = 0, base = 0, shown = 0;
  for (auto _ : state) {
    bench::ResetPeakMemory();
    base = bench::CurrentMemory();
    const auto start = std::chrono::steady_clock::now();
    TZeltoAppServices services;
    services.settings = std::make_unique<MemorySettingsStore>();
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
    if (app->doc.tabs.Count() < bench::ThousandByThousand.categories)
      state.SkipWithError("the document did not load");
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
