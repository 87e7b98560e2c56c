#pragma once
// The note window: the lines of the shown category (up-arrow line, subcategories, notes,
// end line), one of them current and highlighted, with a dotted focus frame while the
// window has the keyboard focus. Its line state is brought up to date whenever the
// document, the category list, its size or its scroll position change, and a paint only
// draws it. What it cannot do itself (keys, characters, activation, the popup menu) goes
// to the main window through signals.
#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <cstdint>

#include "model/CategoryList.h"
#include "model/Document.h"
#include "view/LineDrag.h"
#include "view/NoteKeyMovement.h"
#include "view/NoteLines.h"
#include "view/TNoteScroller.h"

namespace zelto {

// What the note window shows with: colours as R + G*256 + B*65536, the screen font and
// whether notes are drawn past their first line break.
struct NoteViewLook {
  std::uint32_t CatColor = 255;         // red
  std::uint32_t MainColor = 0;          // black
  std::uint32_t ExecColor = 196 * 256;  // green
  std::uint32_t NoPrintColor = 160 + 100 * 256 + 100 * 65536;
  QFont screenFont;
  bool MultiLine = false;
};

class TNoteWindow : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int textLeft = 10;
  static constexpr int lineRight = 20000;  // the highlight reaches this far

  // `categories` is the category list, whose selection is the category shown; it may be
  // set later with SetCategoryList.
  TNoteWindow(Document& doc, CategoryList* categories, QWidget* parent = nullptr);

  void SetCategoryList(CategoryList* categories);
  void SetLook(const NoteViewLook& look);
  const NoteViewLook& Look() const { return look_; }
  // The pixel pitch of the lines; the scroll unit follows it.
  void SetLineHeight(int height);
  int LineHeight() const { return lineHeight_; }

  // The line model: the state the main window reads and moves.
  const NoteLines& Lines() const { return lines_; }
  NoteLines& Lines() { return lines_; }
  int CurrentLine() const { return lines_.currentLine; }
  // Makes `line` current and repaints the two lines concerned.
  void SetCurrentLine(int line);
  void CountLines() { lines_.CountLines(doc_.tabs); }
  int LineOfNote(int note) { return lines_.LineOfNote(doc_.tabs, note); }
  LineKind GetLineKind(int line) const;
  // The document or the category list changed: the lines are brought up to date and the
  // whole window is repainted.
  void Refresh();
  void InvalidateLineCount() { Refresh(); }

  // Shows note `note` of `category` and makes its line current once it is in view.
  void ShowSearchHit(int category, int note);
  // Makes the line of note `note` of the shown category current once it is in view.
  void ShowAddedNote(int note);

  TNoteScroller& Scroller() { return scroller_; }
  int ScrollPos() const { return scroller_.YPos(); }
  // Scrolls so that `line` is the first visible line, as far as the lines allow: the end
  // line goes no higher than the bottom of the window.
  void ScrollTo(int line);
  // Brings the line of note `note` of the shown category into view.
  void ScrollToNote(int note);
  // Repaints one line.
  void InvalidateLine(int line);
  // Carries out a movement key. False when the key is for the category list instead
  // (Shift held); nothing changes here then.
  bool MoveByKey(NoteKey key, bool shift);
  NoteViewport LineGeometry() const;

  // Activates a line (double click, Enter; `forEdit` for the edit commands): a subcategory
  // line shows that subcategory, the up-arrow line the parent; a note line is reported
  // through NoteActivated; the end line does nothing.
  void ActivateLine(int line, bool forEdit);
  // The commands that reach the note window first while it has the focus (Copy, Paste,
  // Run); false for any other command, which goes on to the main window.
  bool HandleCommand(int id);

  // Loads the level of `parent` into the category list and selects `select`.
  void FillCategoryList(TabInx parent, int select);

  // The line shown as the target of the drag under way, or -1.
  int DropTargetLine() const { return dropLine_; }
  // Whether a dragged line may be dropped on `line`: a category line, the up-arrow line
  // included.
  bool TakesDroppedLine(int line) const;

 signals:
  // The current line's text for the detail window ("" unless it is a note line), sent by
  // every update that finds the current line in view.
  void DetailTextChanged(const QString& text);
  void CurrentLineChanged(int line);
  // A note line was activated: run, open or edit note `note` of `category`.
  void NoteActivated(int category, int note, bool forEdit);
  // A key press, passed on unchanged; the characters follow through CharacterTyped.
  void KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // A typed character other than "A" and "a" (with Ctrl too); nothing with Alt or Meta.
  void CharacterTyped(const QString& text);
  // "A" or "a" typed, alone or with Shift: add a note.
  void AddNoteRequested();
  // The Copy command: copy the current note, as Ctrl+C does.
  void CopyNoteRequested();
  // The Paste command: paste a note into the selected category.
  void PasteNoteRequested();
  // The Run command: start the program entry `note` of `category`.
  void RunProgramRequested(int category, int note);
  // A right click made a line current; `globalPos` is where the popup goes.
  void ContextMenuRequested(const QPoint& globalPos);
  // A dragged line of this window was dropped on its category line `targetLine`; `copy`
  // with Ctrl held.
  void LineDropped(DraggedLine from, int targetLine, bool copy);
  // Text from another program was dropped on the window.
  void TextDropped(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Dragging lines out and dropping lines and text in (TNoteWindowDrag.cpp).
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int SelectedCategory() const;
  int LineAtY(int y) const;
  VisibleLines LinesInView() const;
  int WholeLinesInView() const;
  // The scroll bar's range for the lines as counted and the window's height.
  void UpdateScrollRange();
  // Brings the line state up to date (UpdateLines), announces what changed and repaints
  // what looks different: the whole window when other lines are shown, else the lines
  // that gained or lost the highlight.
  void UpdateLineState();
  void MakeLineCurrent(int line);

  Document& doc_;
  CategoryList* categories_;
  NoteViewLook look_;
  int lineHeight_ = 20;
  NoteLines lines_;
  TNoteScroller scroller_;
  bool updating_ = false;     // UpdateLineState is running
  bool updateAgain_ = false;  // the scroll position moved while it ran
  // A left press that may become a drag: where, and on which line (-1: none).
  QPoint pressPos_;
  int pressLine_ = -1;
  int dropLine_ = -1;  // the highlighted target of a drag, -1 for none
  void SetDropLine(int line);
};

}  // namespace zelto
