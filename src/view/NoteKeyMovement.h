#pragma once
// Moving the note window's current line with the keyboard, and bringing a note into view.
// Pure arithmetic on the window's line geometry; the window carries out the result.
namespace zelto {

enum class NoteKey { PageUp, PageDown, Home, End, Up, Down };

// The note window as the movement sees it. All positions are in lines.
struct NoteViewport {
  int lineHeight = 20;   // pixel pitch of the lines
  int clientHeight = 0;  // pixels
  int scrollPos = 0;     // first visible line
  int lineCount = 0;     // category and note lines; the end line is line lineCount
  int currentLine = 0;
};

struct NoteMove {
  enum class Repaint { None, TwoLines, Whole };
  // With Shift held the key moves the category selection instead: the caller passes the
  // key to the category list and changes nothing here.
  bool toCategoryList = false;
  int currentLine = 0;
  int scrollPos = 0;
  Repaint repaint = Repaint::None;
  int previousLine = 0;  // with TwoLines: the line that lost the highlight
};

// The effect of one movement key on the note window.
NoteMove MoveCurrentLine(NoteKey key, bool shift, const NoteViewport& view);

// The first visible line that brings line `line` into view: unchanged when it is fully
// visible, `line` itself when it lies above, else about half a window above it.
int ScrollToLine(int line, const NoteViewport& view);

}  // namespace zelto
