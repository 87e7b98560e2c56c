// Counting the pages of a large document with the real Qt font metrics.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <cstdint>
#include <string>

#include "model/TreeOps.h"
#include "print/TApxPrintout.h"

using namespace zelto;

namespace {

class NoErrors : public PrintErrorReport {
 public:
  void ReportPrintError() override {}
};

// 100,000 notes of 20 to 100 characters (about 6 MB) in 1,000 categories, every tenth of
// them a child of the one before; some notes run over two lines.
const Document& LargeDocument() {
  static const Document doc = [] {
    Document d;
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    const char* words[] = {"meeting",
                           "call",
                           "Tuesday",
                           "invoice",
                           "garden",
                           "a",
                           "the",
                           "project",
                           "https://example.org/page",
                           "+44 20 7946 0000",
                           "notes",
                           "remember",
                           "caf\xe9",
                           "delivery",
                           "tickets"};
    for (int c = 0; c < 1000; ++c) {
      const TabInx parent = (c % 10 != 0) ? static_cast<TabInx>(c - c % 10) : NO_PARENT;
      const TabInx cat = *AppendCategory(d.tabs, "Category " + std::to_string(c), 0, parent);
      for (int i = 0; i < 100; ++i) {
        std::string text;
        const std::size_t length = 20 + next() % 81;
        while (text.size() < length) {
          if (!text.empty()) text += (next() % 8 == 0) ? "\r\n" : " ";
          text += words[next() % std::size(words)];
        }
        d.tabs[cat].notes.Add(NoteString{text, 0});
      }
    }
    return d;
  }();
  return doc;
}

// An A4 page at 600 dpi with 0.25 inch unprintable borders.
const PageDevice a4{QSize(4660, 6715), QSize(600, 600), QRect(0, 0, 4660, 6715)};

void CountPagesOfNewPrintout(benchmark::State& state) {
  const Document& doc = LargeDocument();
  PrintSettings settings;
  NoErrors errors;
  int pages = 0;
  for (auto _ : state) {
    ListPrintout layout(doc.tabs, settings, errors);
    TApxPrintout printout("bench", layout);
    QPicture picture;
    QPainter painter(&picture);
    printout.StartPrinting(painter, a4);
    pages = printout.Pages().maxPage;
  }
  state.counters["pages"] = pages;
}
BENCHMARK(CountPagesOfNewPrintout)->Unit(benchmark::kMillisecond);

// The preview counts again before every page it paints; the widths are known by then.
void CountPagesAgain(benchmark::State& state) {
  const Document& doc = LargeDocument();
  PrintSettings settings;
  NoErrors errors;
  ListPrintout layout(doc.tabs, settings, errors);
  TApxPrintout printout("bench", layout);
  QPicture picture;
  QPainter painter(&picture);
  printout.StartPrinting(painter, a4);
  for (auto _ : state) printout.StartPrinting(painter, a4);
  state.counters["pages"] = printout.Pages().maxPage;
}
BENCHMARK(CountPagesAgain)->Unit(benchmark::kMillisecond);

// For comparison: the same count with every character measured by QFontMetrics each time.
class UncachedSurface : public PrintSurface {
 public:
  void SelectFont(const FontSpec& font) override {
    if (font == spec_) return;
    spec_ = font;
    metrics_ = QFontMetrics(MakePrintFont(font));
  }
  int CharWidth(char c) override { return metrics_.horizontalAdvance(PrintText({&c, 1}).at(0)); }
  void DrawLine(int, int, std::string_view, const PrintRect&) override {}
  UnitsPerInch Resolution() const override { return DisplayResolution(); }

 private:
  FontSpec spec_;
  QFontMetrics metrics_{QFont()};
};

void CountPagesMeasuringEveryCharacter(benchmark::State& state) {
  const Document& doc = LargeDocument();
  PrintSettings settings;
  NoErrors errors;
  int pages = 0;
  for (auto _ : state) {
    ListPrintout layout(doc.tabs, settings, errors);
    UncachedSurface surface;
    const UnitsPerInch res = surface.Resolution();
    layout.Prepare(surface, PrintRect{0, 0, 4660 * res.x / 600, 6715 * res.y / 600}, ALL_CATEGORIES,
                   true);
    pages = 1;
    while (layout.LayoutPage(pages, false)) ++pages;
  }
  state.counters["pages"] = pages;
}
BENCHMARK(CountPagesMeasuringEveryCharacter)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
