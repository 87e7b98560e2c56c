// Find all on the large document (1,000,000 notes): the time to the first hit and to the
// complete list, and the copy of the document that the search reads.
#include <benchmark/benchmark.h>

#include "LargeDocument.h"
#include "mainwin/FindAll.h"
#include "model/DocumentSnapshot.h"

namespace {

using namespace zelto;

const Document& Large() {
  static const Document doc = bench::MakeLargeDocument();
  return doc;
}

// The texts typed letter by letter: a frequent pair, a rarer word, one in no note.
const char* TextOf(std::int64_t i) {
  static const char* texts[] = {"ab", "xyz", "Qw9(", "not in any note"};
  return texts[i];
}

// Pieces as the search thread takes them between two looks at its stop flag.
constexpr std::size_t Piece = 2048;

void BM_FindAllFirstHit(benchmark::State& state) {
  const Document& doc = Large();
  for (auto _ : state) {
    FindAllScan scan(doc.tabs, TextOf(state.range(0)));
    while (scan.Count() == 0 && !scan.Step(Piece)) {
    }
    benchmark::DoNotOptimize(scan.Count());
  }
  state.SetLabel(TextOf(state.range(0)));
}
BENCHMARK(BM_FindAllFirstHit)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_FindAllComplete(benchmark::State& state) {
  const Document& doc = Large();
  std::size_t count = 0;
  for (auto _ : state) {
    FindAllScan scan(doc.tabs, TextOf(state.range(0)));
    while (!scan.Step(Piece)) {
    }
    count = scan.Count();
  }
  state.SetLabel(TextOf(state.range(0)));
  state.counters["hits"] = static_cast<double>(count);
}
BENCHMARK(BM_FindAllComplete)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The copy taken after each change while the pane is open (in slices on the window's thread).
void BM_FindAllDocumentCopy(benchmark::State& state) {
  const Document& doc = Large();
  for (auto _ : state) {
    DocumentSnapshot copy;
    copy.Step(doc.tabs, [] { return false; });
    benchmark::DoNotOptimize(copy.Take());
  }
}
BENCHMARK(BM_FindAllDocumentCopy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
