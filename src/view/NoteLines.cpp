#include "view/NoteLines.h"

#include <algorithm>

namespace zelto {

namespace {

// Calls `f(i)` for every live child of `category`, in TabList order.
template <typename F>
void ForEachSubcategory(const TabList& tabs, TabInx category, F&& f) {
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    const Tab& t = tabs[i];
    if (t.IsNormal() && t.parent == category && i != category) f(static_cast<TabInx>(i));
  }
}

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
long long CeilDiv(long long a, long long b) { return -FloorDiv(-a, b); }

}  // namespace

LineKind ClassifyLine(long long line, std::size_t categoryLines, std::size_t noteCount) {
  if (line < 0) return LineKind::EndLine;
  const auto l = static_cast<unsigned long long>(line);
  if (l < categoryLines) return LineKind::CategoryLine;
  if (l < categoryLines + noteCount) return LineKind::NoteLine;
  return LineKind::EndLine;
}

std::size_t NoteCountOf(const TabList& tabs, long long index) {
  if (index < 0 || !tabs.Valid(static_cast<std::size_t>(index))) return 0;
  return tabs[static_cast<std::size_t>(index)].notes.Count();
}

void NoteLines::CountLines(const TabList& tabs) {
  hasParentLine = false;
  long long count = 0;
  if (currentCategory >= 0 && tabs.Valid(static_cast<std::size_t>(currentCategory))) {
    const auto cat = static_cast<TabInx>(currentCategory);
    hasParentLine = !tabs[cat].IsTopLevel();
    count = hasParentLine ? 1 : 0;
    ForEachSubcategory(tabs, cat, [&count](TabInx) { ++count; });
    count += static_cast<long long>(tabs[cat].notes.Count());
  }
  lineCount = static_cast<int>(std::min<long long>(count, PendingLine - 1));
  lineCountValid = true;
}

int NoteLines::LineOfNote(const TabList& tabs, long long note) {
  CountLines(tabs);
  const long long line =
      lineCount + note - static_cast<long long>(NoteCountOf(tabs, currentCategory));
  return static_cast<int>(std::clamp<long long>(line, 0, PendingLine - 1));
}

LineKind NoteLines::GetLineKind(const TabList& tabs, long long selectedCategory,
                                long long line) const {
  return ClassifyLine(line, lineCategories.size(), NoteCountOf(tabs, selectedCategory));
}

std::optional<TabInx> NoteLines::CategoryOfLine(long long line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= lineCategories.size()) return std::nullopt;
  return lineCategories[static_cast<std::size_t>(line)];
}

TabIndex SubcategoryLines(const TabList& tabs, TabInx category) {
  TabIndex result;
  ForEachSubcategory(tabs, category, [&result](TabInx i) { result.push_back(i); });
  return result;
}

PaintPlan PlanPaint(const TabList& tabs, long long selectedCategory, NoteLines& state,
                    UpdateBand band, int lineHeight, int scrollRange) {
  PaintPlan plan;
  const long long h = std::max(lineHeight, 1);

  if (!state.lineCountValid) state.CountLines(tabs);
  // Keep the scroll range between lineCount and lineCount + 5.
  if (state.lineCount < scrollRange - 5 || state.lineCount > scrollRange)
    plan.scrollRange = state.lineCount + 5;

  if (selectedCategory < 0) return plan;  // nothing selected: keep the previous line data
  const long long shown = state.showSearchHit ? state.searchCategory : selectedCategory;
  if (shown < 0 || !tabs.Valid(static_cast<std::size_t>(shown))) return plan;
  const auto cat = static_cast<TabInx>(shown);
  const Tab& category = tabs[cat];
  state.currentCategory = shown;
  plan.shown = true;

  state.lineCategories.clear();
  if (state.showSearchHit || state.showAddedNote) state.currentLine = PendingLine;

  // Line n meets the band when its pixels [n*h, (n+1)*h) overlap [top, bottom).
  const long long firstLine = FloorDiv(band.top, h);  // lines before it lie above
  const long long endLine = CeilDiv(band.bottom, h);  // lines from it on lie below
  const auto below = [endLine](long long n) { return n >= endLine; };
  const auto above = [firstLine](long long n) { return n < firstLine; };
  const auto drawn = [&](long long n) { return !above(n) && !below(n); };

  long long n = 0;
  state.hasParentLine = !category.IsTopLevel();
  if (state.hasParentLine) {
    state.lineCategories.push_back(cat);
    if (below(0)) return plan;
    if (!above(0)) {
      const bool current = state.currentLine == 0;
      plan.lines.push_back({0, PaintedKind::UpArrow, current, cat});
      if (current) plan.detailText = std::string();
    }
    n = 1;
  }

  // Subcategory lines; every one is recorded, drawn or not, so lineCategories is complete.
  ForEachSubcategory(tabs, cat, [&](TabInx i) {
    state.lineCategories.push_back(i);
    if (drawn(n)) {
      const bool current = n == state.currentLine;
      if (current) {
        state.currentSubcategory = i;
        plan.detailText = std::string();
      }
      plan.lines.push_back({static_cast<int>(n), PaintedKind::Subcategory, current, i});
    }
    ++n;
  });

  // Note lines. A pending search hit or added note becomes current when the paint reaches
  // its line, i.e. when no earlier note line lies below the band.
  const long long first = n;
  const auto count = static_cast<long long>(category.notes.Count());
  const auto reached = [&](long long j) {
    return j >= 0 && j < count && (j == 0 || !below(first + j - 1));
  };
  struct Request {
    long long note;
    bool* flag;
  };
  Request requests[] = {{state.searchNote, &state.showSearchHit},
                        {state.addedNote, &state.showAddedNote}};
  // The later note wins, as it would in a walk from the top.
  if (requests[0].note > requests[1].note) std::swap(requests[0], requests[1]);
  for (Request& r : requests) {
    if (*r.flag && reached(r.note)) {
      state.currentLine = static_cast<int>(first + r.note);
      *r.flag = false;
    }
  }

  const long long jFrom = std::max<long long>(0, firstLine - first);
  const long long jTo = std::min<long long>(count, endLine - first);
  for (long long j = jFrom; j < jTo; ++j) {
    const long long line = first + j;
    const bool current = line == state.currentLine;
    if (current) {
      state.currentNote = j;
      plan.detailText = category.notes[static_cast<std::size_t>(j)].text;
    }
    plan.lines.push_back(
        {static_cast<int>(line), PaintedKind::Note, current, static_cast<std::size_t>(j)});
  }
  if (count > 0 && below(first + count - 1)) {
    state.lineCountValid = false;
    return plan;
  }

  // The end line. A current line past the end is pulled back to it.
  n = first + count;
  if (state.currentLine >= n) {
    if (!drawn(n)) return plan;
    state.currentLine = static_cast<int>(n);
    plan.lines.push_back({static_cast<int>(n), PaintedKind::End, true, 0});
    plan.detailText = std::string();
  }
  state.lineCount = static_cast<int>(n);
  state.lineCountValid = true;
  return plan;
}

}  // namespace zelto
