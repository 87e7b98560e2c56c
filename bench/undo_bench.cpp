// Undo and redo on the large document (10,000 categories five levels deep, 1,000,000
// notes): 1,000 operations of one kind, each recorded on the document's history as the
// commands record them, then all of them undone and all redone. Reports the processor time
// of one undo and one redo step (mean and slowest; the elapsed time beside the mean), and
// the memory the history holds: what its records count, and the heap that clearing the
// history gives back.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <random>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "LargeDocument.h"
#include "mainwin/CategoryRules.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/NoteOperations.h"
#include "model/CategoryTableChange.h"
#include "model/NoteListChange.h"
#include "model/TreeOps.h"

using namespace zelto;

namespace {

constexpr int Operations = 1000;

const Document& Large() {
  static const Document large = bench::MakeLargeDocument();
  return large;
}

std::size_t HeapInUse() {
#ifdef __GLIBC__
  return mallinfo2().uordblks;
#else
  return 0;
#endif
}

// A random live category, or NO_PARENT when there is none; with `nearTop` only one at the
// top level or just below it (the large subtrees).
TabInx RandomLive(const Document& doc, std::mt19937& rng, bool nearTop = false) {
  const std::vector<bool> live = LiveCategories(doc.tabs);
  std::vector<TabInx> candidates;
  for (std::size_t i = 0; i < live.size(); ++i) {
    const TabInx parent = doc.tabs[i].parent;
    if (live[i] && (!nearTop || parent == NO_PARENT || doc.tabs[parent].IsTopLevel()))
      candidates.push_back(static_cast<TabInx>(i));
  }
  if (candidates.empty()) return NO_PARENT;
  return candidates[std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(rng)];
}

// A random category that has notes.
TabInx WithNotes(const Document& doc, std::mt19937& rng) {
  std::uniform_int_distribution<std::size_t> pick(0, doc.tabs.Count() - 1);
  for (;;) {
    const auto c = static_cast<TabInx>(pick(rng));
    if (!doc.tabs[c].notes.Empty()) return c;
  }
}

std::size_t RandomNote(const Document& doc, TabInx c, std::mt19937& rng) {
  return std::uniform_int_distribution<std::size_t>(0, doc.tabs[c].notes.Count() - 1)(rng);
}

// One operation on `doc`, recorded: the change, or nothing when it changed nothing.
using Operation =
    std::function<std::unique_ptr<DocumentChange>(Document&, CategoryList&, std::mt19937&)>;

std::unique_ptr<DocumentChange> AddNote(Document& doc, CategoryList&, std::mt19937& rng) {
  auto change = std::make_unique<NoteListChange>(WithNotes(doc, rng));
  change->Insert(doc.tabs, NoteString{bench::RandomText(rng, 20, 200), 0});
  return change;
}

std::unique_ptr<DocumentChange> EditNote(Document& doc, CategoryList&, std::mt19937& rng) {
  const TabInx c = WithNotes(doc, rng);
  auto change = std::make_unique<NoteListChange>(c);
  change->Remove(doc.tabs, RandomNote(doc, c, rng));
  change->Insert(doc.tabs, NoteString{bench::RandomText(rng, 20, 200), 0});
  return change;
}

std::unique_ptr<DocumentChange> DeleteNote(Document& doc, CategoryList&, std::mt19937& rng) {
  const TabInx c = WithNotes(doc, rng);
  auto change = std::make_unique<NoteListChange>(c);
  change->Remove(doc.tabs, RandomNote(doc, c, rng));
  return change;
}

std::unique_ptr<DocumentChange> SplitEntry(Document& doc, CategoryList&, std::mt19937& rng) {
  const TabInx c = WithNotes(doc, rng);
  auto change = std::make_unique<NoteListChange>(c);
  SplitNote(doc.tabs, *change, RandomNote(doc, c, rng));
  return change;
}

// A category operation recorded as the category commands record theirs.
template <typename Body>
std::unique_ptr<DocumentChange> Recorded(Document& doc, Body body) {
  auto change = std::make_unique<CategoryTableChange>(doc);
  body(*change);
  if (!change->Finish(doc)) return nullptr;
  return change;
}

std::unique_ptr<DocumentChange> AddSubcategory(Document& doc, CategoryList&, std::mt19937& rng) {
  const TabInx parent = RandomLive(doc, rng);
  return Recorded(doc, [&](CategoryTableChange&) {
    AddChildCategory(doc, parent, NoteString{bench::RandomText(rng, 5, 30), 0});
  });
}

std::unique_ptr<DocumentChange> EditCategory(Document& doc, CategoryList&, std::mt19937& rng) {
  const TabInx c = RandomLive(doc, rng);
  return Recorded(doc, [&](CategoryTableChange& change) {
    change.WatchName(doc.tabs, c);
    doc.tabs[c].text = bench::RandomText(rng, 5, 30);
  });
}

// Shows the level of `c` with it selected, as the commands find the list.
void SelectIn(const Document& doc, CategoryList& list, TabInx c) {
  FillLevel(doc.tabs, doc.tabs[c].parent, list);
  list.SelectCategory(c);
}

std::unique_ptr<DocumentChange> DeleteCategory(Document& doc, CategoryList& list, std::mt19937& rng,
                                               bool nearTop) {
  const TabInx c = RandomLive(doc, rng, nearTop);
  if (c == NO_PARENT) return nullptr;
  SelectIn(doc, list, c);
  return Recorded(doc, [&](CategoryTableChange& change) {
    MarkSubtree(doc.tabs, c, TabState::Deleted);
    SortCategories(doc, list, change.SortRecord());
  });
}

// A cut and, every second time, the paste of the category cut before, as a child of a
// random category.
std::unique_ptr<DocumentChange> CutOrPaste(Document& doc, CategoryList& list, std::mt19937& rng) {
  const TabInx target = RandomLive(doc, rng);
  SelectIn(doc, list, target);
  return Recorded(doc, [&](CategoryTableChange& change) {
    if (doc.cutPending) {
      PasteTree(doc, list, target, TreePaste::AsChild, change.SortRecord());
    } else {
      doc.tabs[target].state = TabState::Cut;
      doc.cutPending = true;
      SortCategories(doc, list, change.SortRecord());
    }
  });
}

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

// The processor time of this process: on a machine shared with other work, the time of a
// single step is what it costs, not how long it waited for the processor.
double CpuMicroseconds() { return 1e6 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

struct StepTimes {
  double total = 0;    // processor time, microseconds
  double slowest = 0;  // processor time of the slowest step
  double wall = 0;     // elapsed time, microseconds
  void Add(double cpu, double elapsed) {
    total += cpu;
    slowest = std::max(slowest, cpu);
    wall += elapsed;
  }
};

// Takes every step of `history` back (`undo`) or makes every one again.
StepTimes WalkHistory(DocumentHistory& history, bool undo) {
  StepTimes times;
  while (undo ? history.CanUndo() : history.CanRedo()) {
    const auto started = Clock::now();
    const double cpu = CpuMicroseconds();
    if (undo)
      history.Undo();
    else
      history.Redo();
    times.Add(CpuMicroseconds() - cpu, Microseconds(Clock::now() - started));
  }
  return times;
}

void RunOperations(benchmark::State& state, const Operation& operation) {
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<Document>(Large());
    MemoryCategoryList list;
    DocumentHistory history(*doc);
    history.SetLimit(Operations);
    std::mt19937 rng(7);
    state.ResumeTiming();

    const std::size_t heapBefore = HeapInUse();
    const auto started = Clock::now();
    for (int n = 0; n < Operations; ++n) {
      if (auto change = operation(*doc, list, rng))
        history.Push(QStringLiteral("step"), std::move(change), {}, {});
    }
    const double doneMs = Microseconds(Clock::now() - started) / 1000;
    const std::size_t heldBytes = history.HeldBytes();

    const int count = history.Stack().count();
    const int steps = std::max(count, 1);
    const StepTimes undone = WalkHistory(history, true);
    if (doc->tabs.Count() != Large().tabs.Count()) state.SkipWithError("undo lost categories");
    const StepTimes redone = WalkHistory(history, false);
    const std::size_t heapWithHistory = HeapInUse();
    history.Stack().clear();
    const std::size_t heapWithout = HeapInUse();

    state.counters["steps"] = count;
    state.counters["do_ms"] = doneMs;
    state.counters["undo_us"] = undone.total / steps;
    state.counters["undo_max_us"] = undone.slowest;
    state.counters["undo_wall_us"] = undone.wall / steps;
    state.counters["redo_us"] = redone.total / steps;
    state.counters["redo_max_us"] = redone.slowest;
    state.counters["redo_wall_us"] = redone.wall / steps;
    state.counters["held_KB"] = static_cast<double>(heldBytes) / 1024;
    state.counters["history_heap_KB"] =
        static_cast<double>(heapWithHistory - std::min(heapWithHistory, heapWithout)) / 1024;
    state.counters["doc_heap_growth_KB"] =
        (static_cast<double>(heapWithout) - static_cast<double>(heapBefore)) / 1024;
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
}

void BM_AddNote(benchmark::State& s) { RunOperations(s, AddNote); }
void BM_EditNote(benchmark::State& s) { RunOperations(s, EditNote); }
void BM_DeleteNote(benchmark::State& s) { RunOperations(s, DeleteNote); }
void BM_SplitEntry(benchmark::State& s) { RunOperations(s, SplitEntry); }
void BM_AddSubcategory(benchmark::State& s) { RunOperations(s, AddSubcategory); }
void BM_EditCategory(benchmark::State& s) { RunOperations(s, EditCategory); }
void BM_DeleteCategory(benchmark::State& s) {
  RunOperations(s, [](Document& doc, CategoryList& list, std::mt19937& rng) {
    return DeleteCategory(doc, list, rng, false);
  });
}
// Categories of the first two levels, with about 100 or 500 categories and 10,000 or 50,000
// notes below them, until none is left.
void BM_DeleteLargeSubtree(benchmark::State& s) {
  RunOperations(s, [](Document& doc, CategoryList& list, std::mt19937& rng) {
    return DeleteCategory(doc, list, rng, true);
  });
}
void BM_CutAndPasteTree(benchmark::State& s) { RunOperations(s, CutOrPaste); }

}  // namespace

BENCHMARK(BM_AddNote)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditNote)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteNote)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitEntry)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddSubcategory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditCategory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteCategory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteLargeSubtree)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CutAndPasteTree)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
