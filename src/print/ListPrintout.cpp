#include "print/ListPrintout.h"

#include <algorithm>
#include <cmath>

#include "model/TreeOps.h"

namespace zelto {

namespace {

constexpr int FirstLineIndent = 10;  // the first line of an item
constexpr int ContinuedIndent = 20;  // wrapped lines and items continued from elsewhere
constexpr int RightReserve = 10;     // kept free at the right edge of a column
constexpr int InitialPageStarts = 100;

// Page coordinates are held well inside the int range, so that adding indents, offsets
// and line advances to them can never overflow, whatever a damaged setting holds.
constexpr int CoordinateLimit = 1 << 28;

// Font sizes that can be printed at all; a stored size outside is held to the nearest.
constexpr int MinFontSize = 1;
constexpr int MaxFontSize = 10000;

// Truncates toward zero, within the coordinate limit; not a number counts as 0.
int TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  constexpr double limit = CoordinateLimit;
  return static_cast<int>(std::clamp(std::trunc(v), -limit, limit));
}

// A margin that is not a finite number counts as no margin.
double Margin(double inches) { return std::isfinite(inches) ? inches : 0.0; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsControl(char c) { return static_cast<unsigned char>(c) < 32; }

}  // namespace

void FlattenText(std::string_view text, std::string& out) {
  out.clear();
  out.reserve(text.size());
  bool inControlRun = false;
  for (char c : text) {
    if (IsControl(c)) {
      if (!inControlRun) out.push_back(' ');
      inControlRun = true;
    } else {
      out.push_back(c);
      inControlRun = false;
    }
  }
}

std::string FlattenText(std::string_view text) {
  std::string out;
  FlattenText(text, out);
  return out;
}

ListPrintout::ListPrintout(const TabList& tabs, const PrintSettings& settings,
                           PrintErrorReport& errors)
    : tabs_(tabs), settings_(settings), errors_(errors), pageStarts_(InitialPageStarts) {
  const int h = std::clamp(settings.PrintFontSize, MinFontSize, MaxFontSize);
  topOffset_ = (5 * h) / 4;
  lineAdvance_ = static_cast<int>(h * 3.5 * 0.5);
  textFont_ = FontSpec{settings.PrintFont, h, 400, false};
  headingFont_ = FontSpec{"Arial", static_cast<int>(1.2 * h), 600, true};
}

void ListPrintout::Prepare(PrintSurface& surface, const PrintRect& pageRect, std::uint32_t category,
                           bool withChildren) {
  surface_ = &surface;
  const UnitsPerInch res = surface.Resolution();
  const PrintRect rect{TruncateToInt(pageRect.left + res.x * Margin(settings_.LeftMargin)),
                       TruncateToInt(pageRect.top + res.y * Margin(settings_.TopMargin)),
                       TruncateToInt(pageRect.right - res.x * Margin(settings_.RightMargin)),
                       TruncateToInt(pageRect.bottom - res.y * Margin(settings_.BottomMargin))};

  const std::size_t oldCount = items_.size();
  items_.clear();
  dirName_.clear();
  if (category != ALL_CATEGORIES && !IsLive(tabs_, category)) category = ALL_CATEGORIES;
  if (category == ALL_CATEGORIES)
    Collect(ALL_CATEGORIES, withChildren, std::string());
  else
    Collect(category, withChildren, CategoryPath(tabs_, tabs_[category].parent));

  // Page starts recorded earlier stay valid while the page and the items are the same;
  // a different page (another paper size) or selection needs them counted afresh.
  if (prepared_ && (rect != printRect_ || items_.size() != oldCount)) lastRecorded_ = 0;
  printRect_ = rect;
  pageStarts_[0] = PageStart{0, 0};
  prepared_ = true;
}

void ListPrintout::Collect(std::uint32_t category, bool withChildren, const std::string& prefix) {
  // The Normal children of every category, in ascending index order, and the top level.
  const std::size_t n = tabs_.Count();
  std::vector<std::vector<TabInx>> children(n + 1);
  for (std::size_t i = 0; i < n; ++i) {
    const Tab& t = tabs_[i];
    if (!t.IsNormal()) continue;
    if (t.parent == NO_PARENT)
      children[n].push_back(static_cast<TabInx>(i));
    else if (t.parent < n)
      children[t.parent].push_back(static_cast<TabInx>(i));
  }
  std::vector<bool> visited(n, false);
  if (category == ALL_CATEGORIES) {
    const std::string empty;
    for (TabInx top : children[n]) CollectTree(top, withChildren, empty, children, visited);
  } else if (category < n) {
    CollectTree(static_cast<TabInx>(category), withChildren, prefix, children, visited);
  }
}

// Depth first: the heading, the entries, then each child's subtree in index order. Walked
// with an explicit stack so that a deep tree cannot exhaust the call stack, and each
// category is taken once so that a damaged parent chain cannot loop.
void ListPrintout::CollectTree(TabInx root, bool withChildren, const std::string& prefix,
                               const std::vector<std::vector<TabInx>>& children,
                               std::vector<bool>& visited) {
  struct Pending {
    TabInx index;
    const std::string* prefix;
  };
  std::vector<Pending> stack{{root, &prefix}};
  while (!stack.empty()) {
    const Pending p = stack.back();
    stack.pop_back();
    if (visited[p.index]) continue;
    visited[p.index] = true;
    const Tab& t = tabs_[p.index];
    if (IsNoPrint(t.flags) || IsProgram(t.flags)) continue;  // with its whole subtree

    dirName_.push_back(*p.prefix + "/" + t.text);
    const std::string& heading = dirName_.back();
    items_.push_back(PrintString{&heading, 1});
    for (const NoteString& note : t.notes)
      if (!IsNoPrint(note.flags)) items_.push_back(PrintString{&note.text, 0});

    if (withChildren) {
      const auto& kids = children[p.index];
      for (auto it = kids.rbegin(); it != kids.rend(); ++it) stack.push_back({*it, &heading});
    }
  }
}

int ListPrintout::ColumnCount() const { return std::max(1, settings_.NumCols); }

PrintRect ListPrintout::ColumnRect(int j) const {
  const long long pitch =
      (static_cast<long long>(printRect_.right) - printRect_.left) / ColumnCount();
  const long long width = static_cast<long long>(0.96 * static_cast<double>(pitch));
  const long long left = printRect_.left + j * pitch;
  return PrintRect{static_cast<int>(left), printRect_.top, static_cast<int>(left + width),
                   printRect_.bottom};
}

bool ListPrintout::LayoutPage(int n, bool draw) {
  if (n < 1 || lastRecorded_ < n - 1) {
    errors_.ReportPrintError();
    return false;
  }
  const PageStart start = pageStarts_[static_cast<std::size_t>(n - 1)];
  std::int32_t item = start.item;
  std::int32_t offset = start.offset;
  bool more = false;
  for (int j = 0; j < ColumnCount(); ++j) {
    const PageStart before{item, offset};
    more = FillColumn(ColumnRect(j), item, offset, draw);
    // A column that took not one line is too short for any line, as are all the others.
    if (!more || PageStart{item, offset} == before) break;
  }
  // Not one line fitted on the whole page, and none will on any later page. End the
  // printout here instead of counting blank pages forever.
  if (more && PageStart{item, offset} == start) {
    item = static_cast<std::int32_t>(items_.size());
    offset = 0;
    more = false;
  }
  if (static_cast<std::size_t>(n) >= pageStarts_.size()) pageStarts_.resize(n + 20);
  if (n > lastRecorded_) {
    pageStarts_[static_cast<std::size_t>(n)] = PageStart{item, offset};
    lastRecorded_ = n;
  }
  return more;
}

bool ListPrintout::FillColumn(const PrintRect& column, std::int32_t& item, std::int32_t& offset,
                              bool draw) {
  int y = topOffset_;
  const auto count = static_cast<std::int32_t>(items_.size());
  while (item < count) {
    const PrintString& ps = items_[static_cast<std::size_t>(item)];
    const bool heading = ps.isHeading != 0;
    if (heading && y > topOffset_) y += settings_.headingSpaceBefore;
    surface_->SelectFont(heading ? headingFont_ : textFont_);
    if (!FitItem(*ps.text, column, y, offset, draw)) return true;
    if (heading) y += settings_.headingSpaceAfter;
    ++item;
    offset = 0;
  }
  return false;
}

bool ListPrintout::FitItem(const std::string& text, const PrintRect& column, int& y,
                           std::int32_t& offset, bool draw) {
  FlattenText(text, flat_);
  const auto n = static_cast<std::int32_t>(flat_.size());
  if (n == 0) return true;
  int indent = offset > 0 ? ContinuedIndent : FirstLineIndent;
  while (offset < n) {
    const LineFit line = FitLine(flat_, offset, indent, column, y, draw);
    if (!line.fitted) return false;
    offset = line.next;
    indent = ContinuedIndent;
  }
  return true;
}

LineFit ListPrintout::FitLine(std::string_view text, std::int32_t start, int indent,
                              const PrintRect& column, int& y, bool draw) {
  const auto n = static_cast<std::int32_t>(text.size());
  if (static_cast<long long>(column.top) + y + lineAdvance_ >= column.bottom)
    return LineFit{false, start};

  const long long limit = static_cast<long long>(column.right) - RightReserve;
  long long x = static_cast<long long>(column.left) + indent;
  std::int32_t lastSpace = start;
  std::int32_t i = start;
  while (i < n - 1 && x < limit) {
    if (text[static_cast<std::size_t>(i)] == ' ') lastSpace = i;
    x += surface_->CharWidth(text[static_cast<std::size_t>(i)]);
    if (x < limit) ++i;
  }

  std::int32_t end;   // the line is text[start, end)
  std::int32_t next;  // where the next line starts
  if (i == n - 1) {
    // The rest fits, the last character included even when it reaches into the reserve.
    end = n;
    next = n;
  } else {
    std::int32_t resume;
    if (lastSpace != start) {
      end = lastSpace;
      resume = lastSpace;
    } else {
      // One long word: the characters that fitted except the last one, yet never fewer than
      // one, so that every line moves forward even where not one character fits.
      end = std::max(i - 1, start + 1);
      resume = end;
    }
    next = resume;
    while (next < n && IsBlank(text[static_cast<std::size_t>(next)])) ++next;
  }

  if (draw)
    surface_->DrawLine(
        column.left + indent, column.top + y,
        text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)),
        column);
  y += lineAdvance_;
  return LineFit{true, next};
}

}  // namespace zelto
