// Load, save, sort and export of a large document (10,000 categories five levels deep,
// 1,000,000 notes of 20 to 200 bytes), each beside plain file I/O of the same bytes.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

#ifdef __unix__
#include <unistd.h>
#endif

#include "LargeDocument.h"
#include "model/DocumentCodec.h"
#include "model/DocumentFile.h"
#include "model/TextExport.h"
#include "model/TreeOps.h"
#include "platform/QtFileStore.h"

using namespace zelto;

namespace {

class SilentUi : public DocumentUi {
 public:
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override { return {}; }
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return true; }
};

// The large document and its file image.
struct LargeDocument {
  Document doc = bench::MakeLargeDocument();
  std::string bytes = EncodeDocument(doc.tabs, FileLayout::V101);
};

const LargeDocument& Large() {
  static const LargeDocument large;
  return large;
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

// Plain reading of the document file into a new buffer, as any program reading the
// whole file must.
void BM_PlainRead(benchmark::State& state) {
  const std::string path = TempPath("plain-read.zlt");
  WriteFileOrFail(path, Large().bytes);
  const std::size_t size = Large().bytes.size();
  for (auto _ : state) {
    std::unique_ptr<char[]> buffer(new char[size]);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const std::size_t got = std::fread(buffer.get(), 1, size, f);
    std::fclose(f);
    benchmark::DoNotOptimize(got);
    benchmark::DoNotOptimize(buffer.get());
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

void BM_LoadDocument(benchmark::State& state) {
  const std::string path = TempPath("load.zlt");
  WriteFileOrFail(path, Large().bytes);
  QtFileStore files;
  SilentUi ui;
  for (auto _ : state) {
    auto doc = std::make_unique<Document>();
    MemoryCategoryList list;
    FileDialogData dialog;
    DocumentEnv env{*doc, list, dialog, ui, files, "Default"};
    if (LoadDocument(env, path) != LoadResult::Loaded) state.SkipWithError("load failed");
    state.PauseTiming();
    doc.reset();  // freeing a million notes is not part of the load
    state.ResumeTiming();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(Large().bytes.size()));
}

// Plain writing of the same bytes, flushed to disk as the save does.
void BM_PlainWrite(benchmark::State& state) {
  const std::string path = TempPath("plain-write.zlt");
  const std::string& bytes = Large().bytes;
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
#ifdef __unix__
    ::fdatasync(::fileno(f));
#endif
    std::fclose(f);
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_SaveDocument(benchmark::State& state) {
  Document& doc = const_cast<Document&>(Large().doc);
  QtFileStore files;
  SilentUi ui;
  MemoryCategoryList list;
  FileDialogData dialog;
  DocumentEnv env{doc, list, dialog, ui, files, "Default"};
  const std::string path = TempPath("save.zlt");
  for (auto _ : state)
    if (SaveDocument(env, path) != SaveResult::Saved) state.SkipWithError("save failed");
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(Large().bytes.size()));
}

void BM_SortCategories(benchmark::State& state) {
  std::mt19937 rng(7);
  const TabList unsorted = bench::MakeCategories(rng);
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

void BM_ExportText(benchmark::State& state) {
  std::size_t size = 0;
  for (auto _ : state) size = ExportText(Large().doc.tabs).size();
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

void BM_WriteTextExport(benchmark::State& state) {
  QtFileStore files;
  const std::string path = TempPath("export.txt");
  for (auto _ : state)
    if (!WriteTextExport(Large().doc.tabs, files, path).empty())
      state.SkipWithError("export failed");
}

}  // namespace

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SortCategories)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriteTextExport)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
