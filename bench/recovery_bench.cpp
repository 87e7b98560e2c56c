// The recovery copy of the large document (10,000 categories, 1,000,000 notes): how long the
// window thread stops responding while a copy is written in the background, beside what
// writing the copy on the window thread itself would cost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "LargeDocument.h"
#include "app/RecoveryWriter.h"
#include "platform/QtFileStore.h"

using namespace zelto;

namespace {

struct Setup {
  Document doc = bench::MakeLargeDocument();
  QTemporaryDir dir;
  std::string fileName = dir.filePath("large.zlt").toStdString();
  QtFileStore files;
  RecoveryWriter writer{doc, fileName, files, dir.filePath("recovery").toStdString(), 0};
};

Setup& Large() {
  static Setup setup;
  return setup;
}

// One background copy from start to finish, with a timer that should fire every
// millisecond measuring the longest wait between two of its firings.
void BM_RecoveryCopyLongestWindowPause(benchmark::State& state) {
  Setup& s = Large();
  double longest = 0;
  for (auto _ : state) {
    s.doc.modified = true;  // a new change to copy
    QElapsedTimer sinceTick;
    qint64 gap = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      gap = std::max(gap, sinceTick.nsecsElapsed());
      sinceTick.restart();
    });
    bool finished = false;
    const QMetaObject::Connection done = QObject::connect(&s.writer, &RecoveryWriter::CopyFinished,
                                                          [&finished] { finished = true; });
    tick.start();
    sinceTick.start();
    s.writer.WriteChanges();
    while (!finished) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(done);
    longest = std::max(longest, static_cast<double>(gap) / 1e6);
  }
  state.counters["longest_pause_ms"] = longest;
}

// The same copy written on the window thread: the pause it would cause.
void BM_RecoveryCopyOnTheWindowThread(benchmark::State& state) {
  Setup& s = Large();
  for (auto _ : state) {
    if (!s.writer.WriteCopyNow(s.fileName).empty()) state.SkipWithError("write failed");
  }
}

}  // namespace

BENCHMARK(BM_RecoveryCopyLongestWindowPause)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RecoveryCopyOnTheWindowThread)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
