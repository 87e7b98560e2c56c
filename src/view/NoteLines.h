#pragma once
// The note window's line model: which line shows what, for one category.
//
// Lines, top to bottom: the up-arrow line (only when the shown category has a parent),
// one line per live child category, one line per note, then the end line. Category
// lines and note lines are counted in `lineCount`; the end line is not.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Records.h"
#include "model/TabList.h"

namespace zelto {

enum class LineKind : int { NoteLine = 0, CategoryLine = 1, EndLine = 2 };

// A current line that a pending search hit or added note has yet to decide. It lies past
// the end of any category, so no line is drawn current while it is pending, and the next
// complete paint pulls it back to the end line when the target is never reached.
inline constexpr int PendingLine = 0x3FFFFFFF;

// The kind of `line` when `categoryLines` category lines precede `noteCount` notes.
LineKind ClassifyLine(long long line, std::size_t categoryLines, std::size_t noteCount);

// The note count of category `index`, 0 when there is no such category.
std::size_t NoteCountOf(const TabList& tabs, long long index);

// What the note window knows about its lines; it survives paints.
struct NoteLines {
  long long currentCategory = -1;     // TabList index of the category shown, -1 for none
  int currentLine = 0;                // index of the current line
  long long currentNote = 0;          // note index of the current line when painted current
  long long currentSubcategory = -1;  // category of the current line when it is a subcategory
  bool hasParentLine = false;         // line 0 is the up-arrow line
  int lineCount = 0;                  // category lines + note lines (the end line not counted)
  bool lineCountValid = false;
  TabIndex lineCategories;  // category index of every category line of the last paint

  // Requests for the next paint: make the line of a search hit or of an added note current.
  bool showSearchHit = false;
  long long searchCategory = -1;
  long long searchNote = -1;
  bool showAddedNote = false;
  long long addedNote = -1;

  // Recomputes hasParentLine and lineCount for currentCategory.
  void CountLines(const TabList& tabs);
  // The line on which note `note` of currentCategory is drawn (recounts first).
  int LineOfNote(const TabList& tabs, long long note);
  // The kind of `line` by the category lines of the last paint and the note count of
  // `selectedCategory` (the category list's selection).
  LineKind GetLineKind(const TabList& tabs, long long selectedCategory, long long line) const;
  // True when `line` is the up-arrow line.
  bool IsUpArrowLine(long long line) const { return hasParentLine && line == 0; }
  // The category shown on category line `line` of the last paint, if it is one.
  std::optional<TabInx> CategoryOfLine(long long line) const;
};

// The live children of `category` in TabList order (the subcategory lines).
TabIndex SubcategoryLines(const TabList& tabs, TabInx category);

// One line that a paint draws.
enum class PaintedKind { UpArrow, Subcategory, Note, End };
struct PaintedLine {
  int line = 0;
  PaintedKind kind = PaintedKind::Note;
  bool current = false;
  std::size_t item = 0;  // category index (up-arrow, subcategory) or note index
};

// The part of the window a paint must fill, in painting coordinates (the origin at the top
// of line 0); `bottom` is exclusive.
struct UpdateBand {
  long long top = 0;
  long long bottom = 0;
};

struct PaintPlan {
  bool shown = false;                     // false: no category to show, nothing drawn
  std::optional<int> scrollRange;         // a new vertical scroll range, when it must change
  std::vector<PaintedLine> lines;         // the lines to draw, top to bottom
  std::optional<std::string> detailText;  // new text of the detail window, when handed over
};

// Plans one paint of the note window and applies its effects to `state`: the category
// shown, the hand-over of a search hit or an added note, the current line pulled back to
// the end line, lineCategories, lineCount and lineCountValid. Only the lines that meet
// `band` are visited, so the cost does not grow with the lines above it.
// `selectedCategory` is the category list's selection (-1 for none), `scrollRange` the
// scroller's current vertical range.
PaintPlan PlanPaint(const TabList& tabs, long long selectedCategory, NoteLines& state,
                    UpdateBand band, int lineHeight, int scrollRange);

}  // namespace zelto
