#pragma once
// The note window's line model: which line shows what, for one category.
//
// Lines, top to bottom: the up-arrow line (only when the shown category has a parent),
// one line per live child category, one line per note, then the end line. Category
// lines and note lines are counted in `lineCount`; the end line is not.
//
// Lines and notes are numbered with int throughout, as the scroll bar and the window's
// rows are. The state changes only in UpdateLines, which the window runs whenever the
// document, the category list, its size or its scroll position change; a paint only
// reads it (LinesToPaint).
#include <optional>
#include <string>
#include <vector>

#include "model/Records.h"
#include "model/TabList.h"

namespace zelto {

enum class LineKind : int { NoteLine = 0, CategoryLine = 1, EndLine = 2 };

// A current line that a pending search hit or added note has yet to decide. It lies past
// the end of any category, so no line is current while it is pending, and an update that
// sees the end line pulls it back there when the target is never reached.
inline constexpr int PendingLine = 0x3FFFFFFF;

// The most notes a category shows: the lines stay clear of PendingLine.
inline constexpr int MaxNoteLines = PendingLine - MaxCategories - 16;

// The kind of `line` when `categoryLines` category lines precede `noteCount` notes.
LineKind ClassifyLine(int line, int categoryLines, int noteCount);

// The note count of category `index` (at most MaxNoteLines), 0 when there is no such
// category.
int NoteCountOf(const TabList& tabs, int index);

// The lines of the window in view: `count` lines from line `first` (the scroll position),
// the last one perhaps only in part.
struct VisibleLines {
  int first = 0;
  int count = 0;
  bool Contains(int line) const { return line >= first && line - first < count; }
};

// What the note window knows about its lines.
struct NoteLines {
  bool shown = false;           // a category is shown (the list had a selection)
  int currentCategory = -1;     // TabList index of the category shown, -1 for none
  int currentLine = 0;          // index of the current line
  int currentNote = 0;          // note index of the current line, set while it is in view
  int currentSubcategory = -1;  // category of the current line when it is a subcategory
  bool hasParentLine = false;   // line 0 is the up-arrow line
  int lineCount = 0;            // category lines + note lines (the end line not counted)
  bool lineCountValid = false;
  TabIndex lineCategories;  // category index of every category line, in line order

  // Requests: make the line of a search hit or of an added note current once it is
  // reached, i.e. once no earlier note line lies below the window.
  bool showSearchHit = false;
  int searchCategory = -1;
  int searchNote = -1;
  bool showAddedNote = false;
  int addedNote = -1;

  // Recomputes hasParentLine and lineCount for currentCategory.
  void CountLines(const TabList& tabs);
  // The line on which note `note` of currentCategory is drawn (recounts first).
  int LineOfNote(const TabList& tabs, int note);
  // The kind of `line` by the category lines and the note count of `selectedCategory`
  // (the category list's selection).
  LineKind GetLineKind(const TabList& tabs, int selectedCategory, int line) const;
  // True when `line` is the up-arrow line.
  bool IsUpArrowLine(int line) const { return hasParentLine && line == 0; }
  // The category shown on category line `line`, if it is one.
  std::optional<TabInx> CategoryOfLine(int line) const;
};

// The live children of `category` in TabList order (the subcategory lines).
TabIndex SubcategoryLines(const TabList& tabs, TabInx category);

// Brings `state` up to date with the document, the category list's selection
// (`selectedCategory`, -1 for none) and the lines in view: the category shown, its
// category lines and line count, the hand-over of a pending search hit or added note, a
// current line past the end pulled back to the end line when that is in view, and the
// note or subcategory of the current line. Nothing here depends on when, or how much of,
// the window is painted. Without a selection the line data stays as it was.
// Returns the detail window's text when the current line is in view: the whole note on
// a note line, "" on any other line, and "" when no line is current (no selection, or a
// request still waiting for its line).
std::optional<std::string> UpdateLines(const TabList& tabs, int selectedCategory, NoteLines& state,
                                       VisibleLines visible);

// The highest first visible line for `lineCount` lines and the end line in a window
// of `wholeLinesInView` whole lines: scrolling stops when the end line reaches the bottom,
// and a category that fits has no range at all.
int ScrollRangeFor(int lineCount, int wholeLinesInView);

// One line that a paint draws.
enum class PaintedKind { UpArrow, Subcategory, Note, End };
struct PaintedLine {
  int line = 0;
  PaintedKind kind = PaintedKind::Note;
  bool current = false;
  int item = 0;  // category index (up-arrow, subcategory) or note index
};

// The lines among [firstLine, endLine) that a paint draws, from the state the last update
// left; the end line only when it is current. Changes nothing, and costs only the lines
// asked for.
std::vector<PaintedLine> LinesToPaint(const TabList& tabs, const NoteLines& state, int firstLine,
                                      int endLine);

}  // namespace zelto
