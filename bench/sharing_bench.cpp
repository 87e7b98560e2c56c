// The check a save makes before it writes: is the file on disk still the version the window
// holds? Timed on the file of the large document (10,000 categories, 1,000,000 notes).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "LargeDocument.h"
#include "model/DocumentCodec.h"
#include "model/FileIdentity.h"
#include "platform/QtFileStore.h"

using namespace zelto;

namespace {

const std::string& LargeFile() {
  static QTemporaryDir dir;
  static const std::string path = [] {
    std::string name = dir.filePath("large.zlt").toStdString();
    const std::string bytes = EncodeDocument(bench::MakeLargeDocument().tabs, FileLayout::V101);
    QFile file(QString::fromStdString(name));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
      std::abort();
    return name;
  }();
  return path;
}

// Nothing changed: what every save and every notice of the watch costs.
void BM_CheckUnchangedFile(benchmark::State& state) {
  QtFileStore files;
  DiskRecord record;
  record.Record(LargeFile(), files.Identify(LargeFile()));
  for (auto _ : state) {
    const DiskChange change = record.Check(files, LargeFile());
    if (change != DiskChange::None) state.SkipWithError("the file changed");
    benchmark::DoNotOptimize(change);
  }
}
BENCHMARK(BM_CheckUnchangedFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
