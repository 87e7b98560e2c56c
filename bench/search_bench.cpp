// The note search and the phone and link scans on large inputs.
#include <benchmark/benchmark.h>

#include <string>

#include "common/PhoneNumbers.h"
#include "common/WebLinks.h"
#include "mainwin/EntryActions.h"
#include "mainwin/Search.h"

namespace {

using namespace zelto;

Document MakeDocument(std::size_t categories, std::size_t notesEach) {
  Document doc;
  for (std::size_t c = 0; c < categories; ++c) {
    Tab tab("Category " + std::to_string(c), 0, NO_PARENT);
    for (std::size_t n = 0; n < notesEach; ++n)
      tab.notes.Add(NoteString{"Note " + std::to_string(n) +
                                   " about things to remember, "
                                   "call 555-1234 or see http://example.org/" +
                                   std::to_string(n),
                               0});
    doc.tabs.Append(std::move(tab));
  }
  return doc;
}

// A miss: every note of the document is examined once.
void BM_SearchNextMiss(benchmark::State& state) {
  const Document doc = MakeDocument(static_cast<std::size_t>(state.range(0)), 100);
  SearchState search;
  search.searchText = "not in any note";
  for (auto _ : state) {
    RestartSearch(search);
    benchmark::DoNotOptimize(SearchNext(doc, search));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * 100);
}
BENCHMARK(BM_SearchNextMiss)->Arg(10)->Arg(1000);

// Next over every hit of a document, one step at a time.
void BM_SearchNextEveryHit(benchmark::State& state) {
  const Document doc = MakeDocument(100, 100);
  SearchState search;
  search.searchText = "REMEMBER";
  for (auto _ : state) {
    RestartSearch(search);
    while (SearchNext(doc, search)) {
    }
  }
  state.SetItemsProcessed(state.iterations() * 100 * 100);
}
BENCHMARK(BM_SearchNextEveryHit);

// A long note full of numbers, as the popup scans it.
void BM_NoteLineActions(benchmark::State& state) {
  std::string text;
  while (text.size() < static_cast<std::size_t>(state.range(0)))
    text += "Ann (800) 555-1212, Bob 555-9876 / fax +1 800 555 0000 http://a.org/x ";
  const PhoneSettings settings;
  for (auto _ : state) benchmark::DoNotOptimize(NoteLineActions(text, true, settings));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_NoteLineActions)->Arg(100)->Arg(100000);

// A note without any number: every character is a candidate of its own.
void BM_ExtractPhoneNumbersNoDigits(benchmark::State& state) {
  const std::string text(static_cast<std::size_t>(state.range(0)), 'x');
  const PhoneSettings settings;
  for (auto _ : state) benchmark::DoNotOptimize(ExtractPhoneNumbers(text, 6, settings));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExtractPhoneNumbersNoDigits)->Arg(1000000);

}  // namespace

BENCHMARK_MAIN();
