// `zelto --export-text` on a large document (1,000 categories of 1,000 notes, about 70 MB)
// beside a copy of the same file flushed to disk as the export is (`cp DOC OUT && sync OUT`),
// five times each, taking turns, in one run. The benchmark's time is the export's median;
// `copy_ms` is the copy's median, `ratio` the export's median over it, `peak_MB` the largest
// resident memory of the exporting process and `peak_x_file` the same as a multiple of the
// document's size. The program runs with settings of its own in a temporary folder; the
// environment variable ZELTO_BENCH_PROGRAM names another build of it to time instead.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "LargeDocument.h"
#include "ProcessMemory.h"
#include "model/DocumentCodec.h"

#ifdef __linux__
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#endif

namespace {

namespace bench = zelto::bench;

struct ChildRun {
  double seconds = 0;
  std::size_t peakBytes = 0;
  bool ok = false;
};

#ifdef __linux__
// Runs a program to its end with `environment`; its time and its peak resident memory. A
// new process's peak starts from its parent's, so the parent's is first brought down to
// what it really holds.
ChildRun Run(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  std::vector<char*> argv, envp;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (const std::string& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  ChildRun run;
  bench::ResetPeakMemory();
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakBytes = static_cast<std::size_t>(usage.ru_maxrss) * 1024;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}
#else
ChildRun Run(const std::vector<std::string>&, const std::vector<std::string>&) { return {}; }
#endif

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void BM_ExportCommandBesideCopy(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string document = folder + "/large.zlt";
  std::size_t fileSize = 0;
  {
    const zelto::Document doc = bench::MakeDocument(bench::ThousandByThousand, 1000);
    const std::string bytes = zelto::EncodeDocument(doc.tabs, zelto::FileLayout::V101);
    std::ofstream(document, std::ios::binary) << bytes;
    fileSize = bytes.size();
  }
  const std::string copyOut = folder + "/copy.zlt";
  const std::string exportOut = folder + "/export.txt";
  const std::vector<std::string> environment = {"PATH=/usr/bin:/bin", "HOME=" + folder,
                                                "XDG_CONFIG_HOME=" + folder + "/config",
                                                "XDG_DATA_HOME=" + folder + "/data"};
  const std::vector<std::string> copy = {"/bin/sh", "-c", "cp \"$0\" \"$1\" && sync \"$1\"",
                                         document, copyOut};
  const char* other = std::getenv("ZELTO_BENCH_PROGRAM");
  const std::vector<std::string> exportText = {other ? other : ZELTO_PROGRAM, "--export-text",
                                               document, exportOut};
  constexpr int Runs = 5;
  for (auto _ : state) {
    std::vector<double> copyTimes, exportTimes;
    std::size_t peak = 0;
    for (int i = 0; i < Runs; ++i) {
      std::remove(copyOut.c_str());
      std::remove(exportOut.c_str());
      const ChildRun c = Run(copy, environment);
      const ChildRun e = Run(exportText, environment);
      if (!c.ok || !e.ok) state.SkipWithError("a command failed");
      copyTimes.push_back(c.seconds);
      exportTimes.push_back(e.seconds);
      peak = std::max(peak, e.peakBytes);
    }
    const double copyMedian = Median(copyTimes), exportMedian = Median(exportTimes);
    state.SetIterationTime(exportMedian);
    state.counters["copy_ms"] = 1000 * copyMedian;
    state.counters["ratio"] = exportMedian / copyMedian;
    state.counters["peak_MB"] = bench::Megabytes(peak);
    state.counters["peak_x_file"] = static_cast<double>(peak) / static_cast<double>(fileSize);
    state.counters["file_MB"] = bench::Megabytes(fileSize);
    state.counters["bench_MB"] = bench::Megabytes(bench::CurrentMemory());  // a floor of peak_MB
  }
}

}  // namespace

BENCHMARK(BM_ExportCommandBesideCopy)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

BENCHMARK_MAIN();
