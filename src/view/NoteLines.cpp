#include "view/NoteLines.h"

#include <algorithm>
#include <utility>

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

bool IsCategory(const TabList& tabs, int index) {
  return index >= 0 && tabs.Valid(static_cast<std::size_t>(index));
}

}  // namespace

LineKind ClassifyLine(int line, int categoryLines, int noteCount) {
  if (line < 0) return LineKind::EndLine;
  if (line < categoryLines) return LineKind::CategoryLine;
  if (line - categoryLines < noteCount) return LineKind::NoteLine;
  return LineKind::EndLine;
}

int NoteCountOf(const TabList& tabs, int index) {
  if (!IsCategory(tabs, index)) return 0;
  const std::size_t count = tabs[static_cast<std::size_t>(index)].notes.Count();
  return static_cast<int>(std::min<std::size_t>(count, MaxNoteLines));
}

void NoteLines::CountLines(const TabList& tabs) {
  hasParentLine = false;
  int count = 0;
  if (IsCategory(tabs, currentCategory)) {
    const auto cat = static_cast<TabInx>(currentCategory);
    hasParentLine = !tabs[cat].IsTopLevel();
    count = hasParentLine ? 1 : 0;
    ForEachSubcategory(tabs, cat, [&count](TabInx) { ++count; });
    count += NoteCountOf(tabs, currentCategory);
  }
  lineCount = count;
  lineCountValid = true;
}

int NoteLines::LineOfNote(const TabList& tabs, int note) {
  CountLines(tabs);
  const int line =
      lineCount - NoteCountOf(tabs, currentCategory) + std::clamp(note, 0, MaxNoteLines);
  return std::min(line, PendingLine - 1);
}

LineKind NoteLines::GetLineKind(const TabList& tabs, int selectedCategory, int line) const {
  return ClassifyLine(line, static_cast<int>(lineCategories.size()),
                      NoteCountOf(tabs, selectedCategory));
}

std::optional<TabInx> NoteLines::CategoryOfLine(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= lineCategories.size()) return std::nullopt;
  return lineCategories[static_cast<std::size_t>(line)];
}

TabIndex SubcategoryLines(const TabList& tabs, TabInx category) {
  TabIndex result;
  ForEachSubcategory(tabs, category, [&result](TabInx i) { result.push_back(i); });
  return result;
}

std::optional<std::string> UpdateLines(const TabList& tabs, int selectedCategory, NoteLines& state,
                                       VisibleLines visible) {
  // Nothing selected: the line data stays, but no line is current, so the detail window
  // shows nothing.
  if (selectedCategory < 0) return std::string();
  const int shown = state.showSearchHit ? state.searchCategory : selectedCategory;
  if (!IsCategory(tabs, shown)) {
    state.shown = false;
    return std::string();
  }
  const auto cat = static_cast<TabInx>(shown);
  const Tab& category = tabs[cat];
  state.shown = true;
  state.currentCategory = shown;
  state.hasParentLine = !category.IsTopLevel();
  state.lineCategories.clear();
  if (state.hasParentLine) state.lineCategories.push_back(cat);
  ForEachSubcategory(tabs, cat, [&state](TabInx i) { state.lineCategories.push_back(i); });
  const int first = static_cast<int>(state.lineCategories.size());  // the first note line
  const int count = NoteCountOf(tabs, shown);
  const int end = first + count;  // the end line
  state.lineCount = end;
  state.lineCountValid = true;

  if (state.showSearchHit || state.showAddedNote) state.currentLine = PendingLine;
  if (visible.count <= 0) return std::nullopt;  // nothing in view: the requests wait

  // A request is met once no note line before its own lies below the window. When both
  // are met the later note wins, as it would in a walk from the top.
  const auto below = [&visible](int line) { return line - visible.first >= visible.count; };
  const auto reached = [&](int note) {
    return note >= 0 && note < count && (note == 0 || !below(first + note - 1));
  };
  std::pair<int, bool*> requests[] = {{state.searchNote, &state.showSearchHit},
                                      {state.addedNote, &state.showAddedNote}};
  if (requests[0].first > requests[1].first) std::swap(requests[0], requests[1]);
  for (auto& [note, pending] : requests) {
    if (*pending && reached(note)) {
      state.currentLine = first + note;
      *pending = false;
    }
  }

  // A current line past the end goes back to the end line once that is in view.
  if (state.currentLine >= end && visible.Contains(end)) state.currentLine = end;

  const int line = state.currentLine;
  if (line == PendingLine) return std::string();  // no line is current yet
  if (!visible.Contains(line) || line > end) return std::nullopt;
  if (line < first) {
    if (!state.IsUpArrowLine(line)) state.currentSubcategory = state.lineCategories[line];
    return std::string();
  }
  if (line < end) {
    state.currentNote = line - first;
    return category.notes[static_cast<std::size_t>(state.currentNote)].text;
  }
  return std::string();  // the end line
}

int ScrollRangeFor(int lineCount, int wholeLinesInView) {
  return std::max(0, lineCount + 1 - std::max(wholeLinesInView, 0));
}

std::vector<PaintedLine> LinesToPaint(const TabList& tabs, const NoteLines& state, int firstLine,
                                      int endLine) {
  std::vector<PaintedLine> lines;
  if (!state.shown || !IsCategory(tabs, state.currentCategory)) return lines;
  const int first = static_cast<int>(state.lineCategories.size());
  const int end = first + NoteCountOf(tabs, state.currentCategory);
  firstLine = std::max(firstLine, 0);
  endLine = std::min(endLine, end + 1);
  for (int n = firstLine; n < endLine; ++n) {
    const bool current = n == state.currentLine;
    if (n < first) {
      const TabInx c = state.lineCategories[static_cast<std::size_t>(n)];
      if (!tabs.Valid(c)) continue;
      const PaintedKind kind =
          state.IsUpArrowLine(n) ? PaintedKind::UpArrow : PaintedKind::Subcategory;
      lines.push_back({n, kind, current, c});
    } else if (n < end) {
      lines.push_back({n, PaintedKind::Note, current, n - first});
    } else if (current) {
      lines.push_back({n, PaintedKind::End, true, 0});
    }
  }
  return lines;
}

}  // namespace zelto
