// The note window with a million notes in one category: a paint of the last screenful, a
// PageDown and a Down key at the end must each stay far below a frame's time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/TreeOps.h"
#include "view/NoteLines.h"
#include "view/TNoteWindow.h"

using namespace zelto;

namespace {

constexpr int NoteCount = 1'000'000;
constexpr int LineHeight = 20;

struct BigCategory {
  Document doc;
  MemoryCategoryList list;
  std::unique_ptr<TNoteWindow> window;

  BigCategory() {
    AppendCategory(doc.tabs, "Top", 0, NO_PARENT);
    AppendCategory(doc.tabs, "Many", 0, 0);
    char text[32];
    for (int i = 0; i < NoteCount; ++i) {
      std::snprintf(text, sizeof text, "note %07d", i);
      NoteString note;
      note.text = text;
      doc.tabs[1].notes.Add(std::move(note));  // in order: appended at the end
    }
    list.SetItemData(list.AddString("Many"), 1);
    list.SetSelIndex(0);
    window = std::make_unique<TNoteWindow>(doc, &list);
    window->SetLineHeight(LineHeight);
    window->resize(600, 40 * LineHeight);
    window->show();
  }
  // Paints the whole visible window, as the window system would after a scroll.
  void Render() {
    QImage image(window->viewport()->size(), QImage::Format_RGB32);
    window->viewport()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  int Lines() const { return 1 + NoteCount; }  // up-arrow line + notes
  int Page() const { return window->viewport()->height() / LineHeight; }
};

BigCategory& Big() {
  static BigCategory big;
  return big;
}

// The update step for the last screenful: what runs on every scroll, key or change.
void BM_UpdateLastScreenful(benchmark::State& state) {
  BigCategory& big = Big();
  NoteLines lines;
  lines.currentLine = big.Lines() - 1;
  const VisibleLines visible{big.Lines() - 40, 40};
  for (auto _ : state) {
    std::optional<std::string> detail = UpdateLines(big.doc.tabs, 1, lines, visible);
    benchmark::DoNotOptimize(detail);
  }
}

// The lines a paint of the last screenful draws.
void BM_LinesOfLastScreenful(benchmark::State& state) {
  BigCategory& big = Big();
  NoteLines lines;
  UpdateLines(big.doc.tabs, 1, lines, {big.Lines() - 40, 40});
  for (auto _ : state) {
    std::vector<PaintedLine> drawn =
        LinesToPaint(big.doc.tabs, lines, big.Lines() - 40, big.Lines() + 1);
    benchmark::DoNotOptimize(drawn);
  }
}

void BM_PaintLastScreenful(benchmark::State& state) {
  BigCategory& big = Big();
  big.window->CountLines();
  big.window->ScrollTo(big.Lines() - big.Page() + 1);
  big.window->SetCurrentLine(big.Lines() - 1);
  for (auto _ : state) big.Render();
}

void BM_PageDownNearTheEnd(benchmark::State& state) {
  BigCategory& big = Big();
  big.Render();
  for (auto _ : state) {
    state.PauseTiming();
    big.window->ScrollTo(big.Lines() - 2 * big.Page() + 3);  // the last-page branch
    big.window->SetCurrentLine(big.window->ScrollPos() + 2);
    big.Render();
    state.ResumeTiming();
    big.window->MoveByKey(NoteKey::PageDown, false);
    big.Render();
  }
}

void BM_DownToTheEndLine(benchmark::State& state) {
  BigCategory& big = Big();
  big.window->CountLines();
  for (auto _ : state) {
    state.PauseTiming();
    big.window->ScrollTo(big.Lines() - big.Page() + 1);
    big.window->SetCurrentLine(big.Lines() - 1);  // the last note
    big.Render();
    state.ResumeTiming();
    big.window->MoveByKey(NoteKey::Down, false);  // onto the end line, scrolling one line
    big.Render();
  }
}

BENCHMARK(BM_UpdateLastScreenful)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LinesOfLastScreenful)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintLastScreenful)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDownNearTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownToTheEndLine)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
