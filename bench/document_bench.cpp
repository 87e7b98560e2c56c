// Load, save and export of the core document (10,000 categories five levels deep,
// 1,000,000 notes of 20 to 200 bytes), each timed beside plain file I/O of the same bytes in
// the same repetition: `plain_ms` is the plain I/O, `ratio` the operation's time over it,
// `cpu_ratio` the same for the processor time of this process (which the waits for the disk
// and for other programs on the machine do not swell).
// `peak_MB` is how far the operation raised the process's resident memory, `peak_x_file`
// the same as a multiple of the bytes on disk. Run with the page cache warm; the machine's
// load shows in every figure, the ratios much less.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>

#ifdef __unix__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "LargeDocument.h"
#include "ProcessMemory.h"
#include "model/DocumentCodec.h"
#include "model/DocumentFile.h"
#include "model/TextExport.h"
#include "model/TreeOps.h"
#include "platform/QtFileStore.h"

using namespace zelto;

namespace {

using Clock = std::chrono::steady_clock;

class SilentUi : public DocumentUi {
 public:
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override { return {}; }
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return true; }
};

// The core document, its file image and its text export.
struct CoreDocument {
  Document doc = bench::MakeLargeDocument();
  std::string bytes = EncodeDocument(doc.tabs, FileLayout::V101);
  std::string text = ExportText(doc.tabs);
};

const CoreDocument& Core() {
  static const CoreDocument core;
  return core;
}

QTemporaryDir& TempDir() {
  static QTemporaryDir dir;
  return dir;
}

std::string TempPath(const char* name) { return TempDir().filePath(name).toStdString(); }

void WriteFileOrFail(const std::string& path, const std::string& bytes) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly) ||
      f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
    std::abort();
}

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// Processor time of this process so far, user and system, in seconds.
double ProcessorSeconds() {
#ifdef __unix__
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
#else
  return 0;
#endif
}

// Plain reading of a whole file into a new buffer, as any program reading it must.
void PlainRead(const std::string& path, std::size_t size) {
  std::unique_ptr<char[]> buffer(new char[size]);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  const std::size_t got = std::fread(buffer.get(), 1, size, f);
  std::fclose(f);
  benchmark::DoNotOptimize(got);
  benchmark::DoNotOptimize(buffer.get());
}

// Plain writing of bytes into a file, flushed to disk as the atomic writer does.
void PlainWrite(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fflush(f);
#ifdef __unix__
  ::fdatasync(::fileno(f));
#endif
  std::fclose(f);
}

// Times `plain` and then `operation` in every iteration; the operation's time is the
// benchmark's, the plain time, the ratio and the operation's memory are counters.
// `cleanUp` runs after each operation, untimed.
template <class Plain, class Operation, class CleanUp>
void TimeBesidePlain(benchmark::State& state, std::size_t fileSize, Plain plain,
                     Operation operation, CleanUp cleanUp) {
  double plainSeconds = 0, operationSeconds = 0, plainCpu = 0, operationCpu = 0;
  std::size_t peak = 0;
  for (auto _ : state) {
    // Both start from memory given back to the system, as a new process would: memory
    // freed by the last repetition and still held would spare either of them its faults.
    bench::ResetPeakMemory();
    const double pc0 = ProcessorSeconds();
    const auto p0 = Clock::now();
    plain();
    const auto p1 = Clock::now();
    const double pc1 = ProcessorSeconds();
    bench::ResetPeakMemory();
    const std::size_t before = bench::CurrentMemory();
    const double oc0 = ProcessorSeconds();
    const auto o0 = Clock::now();
    operation(state);
    const auto o1 = Clock::now();
    plainCpu += pc1 - pc0;
    operationCpu += ProcessorSeconds() - oc0;
    peak = std::max(peak, bench::PeakMemory() - before);
    state.SetIterationTime(Seconds(o0, o1));
    plainSeconds += Seconds(p0, p1);
    operationSeconds += Seconds(o0, o1);
    cleanUp();
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["plain_ms"] = 1000 * plainSeconds / n;
  state.counters["ratio"] = operationSeconds / plainSeconds;
  state.counters["cpu_ratio"] = operationCpu / plainCpu;
  state.counters["peak_MB"] = bench::Megabytes(peak);
  state.counters["peak_x_file"] = static_cast<double>(peak) / static_cast<double>(fileSize);
  state.counters["file_MB"] = bench::Megabytes(fileSize);
}

void BM_LoadDocument(benchmark::State& state) {
  const std::string& bytes = Core().bytes;
  const std::string plainPath = TempPath("plain-read.zlt");
  const std::string path = TempPath("load.zlt");
  WriteFileOrFail(plainPath, bytes);
  WriteFileOrFail(path, bytes);
  QtFileStore files;
  SilentUi ui;
  std::unique_ptr<Document> doc;
  TimeBesidePlain(
      state, bytes.size(), [&] { PlainRead(plainPath, bytes.size()); },
      [&](benchmark::State& s) {
        doc = std::make_unique<Document>();
        MemoryCategoryList list;
        FileDialogData dialog;
        DocumentEnv env{*doc, list, dialog, ui, files, "Default"};
        if (LoadDocument(env, path) != LoadResult::Loaded) s.SkipWithError("load failed");
      },
      [&] { doc.reset(); });  // freeing a million notes is not part of the load
}

void BM_SaveDocument(benchmark::State& state) {
  Document& doc = const_cast<Document&>(Core().doc);
  const std::string& bytes = Core().bytes;
  QtFileStore files;
  SilentUi ui;
  MemoryCategoryList list;
  FileDialogData dialog;
  DocumentEnv env{doc, list, dialog, ui, files, "Default"};
  const std::string plainPath = TempPath("plain-write.zlt");
  const std::string path = TempPath("save.zlt");
  TimeBesidePlain(
      state, bytes.size(), [&] { PlainWrite(plainPath, bytes); },
      [&](benchmark::State& s) {
        if (SaveDocument(env, path) != SaveResult::Saved) s.SkipWithError("save failed");
      },
      [] {});
}

void BM_WriteTextExport(benchmark::State& state) {
  const std::string& text = Core().text;
  QtFileStore files;
  const std::string plainPath = TempPath("plain-export.txt");
  const std::string path = TempPath("export.txt");
  TimeBesidePlain(
      state, text.size(), [&] { PlainWrite(plainPath, text); },
      [&](benchmark::State& s) {
        if (!WriteTextExport(Core().doc.tabs, files, path).empty())
          s.SkipWithError("export failed");
      },
      [] {});
}

// Counts what it is given and drops it.
class CountingSink : public ByteSink {
 public:
  std::size_t bytes = 0;
  bool Write(std::string_view data) override {
    bytes += data.size();
    return true;
  }
};

// The export made in memory and dropped block by block: how fast the text itself is made.
void BM_ExportText(benchmark::State& state) {
  std::size_t size = 0;
  for (auto _ : state) {
    CountingSink sink;
    BufferedWriter out(sink);
    WriteExportText(Core().doc.tabs, out);
    out.Flush();
    size = sink.bytes;
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

void BM_SortCategories(benchmark::State& state) {
  std::mt19937 rng(7);
  const TabList unsorted = bench::MakeCategories(rng, bench::CoreShape.categories);
  for (auto _ : state) {
    state.PauseTiming();
    Document doc;
    doc.tabs = unsorted;
    MemoryCategoryList list;
    FillLevel(doc.tabs, NO_PARENT, list);
    list.SetSelIndex(0);
    state.ResumeTiming();
    SortCategories(doc, list);
    benchmark::DoNotOptimize(doc.tabs.Count());
  }
}

}  // namespace

// Nine repetitions: the flushes to disk vary much with what else the machine writes.
BENCHMARK(BM_LoadDocument)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9);
BENCHMARK(BM_SaveDocument)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9);
BENCHMARK(BM_WriteTextExport)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9);
BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_SortCategories)->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
