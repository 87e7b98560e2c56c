#pragma once
// Where the note dialog's controls go when the dialog changes size: the buttons, the
// print check box and its two labels form a column at the right edge, and the text field
// takes all the room to their left, above a line that says how to confirm.
namespace zelto {

struct LayoutRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const LayoutRect&) const = default;
};

// Sizes the layout is computed from, in pixels. The spacing constants (15, 20 and 35
// pixels) are those of the classic dialog font; `spacingX` and `spacingY` scale them for
// a larger font, as a ratio spacingNumerator / spacingDenominator per axis.
struct NoteDialogMetrics {
  int clientWidth = 0;
  int clientHeight = 0;
  int buttonWidth = 0;   // the OK button
  int buttonHeight = 0;  // the OK button
  int editLeft = 0;      // the text field keeps its position
  int editTop = 0;
  int checkWidth = 0, checkHeight = 0;  // the print check box keeps its size
  int labelWidth1 = 0, labelWidth2 = 0, labelHeight = 0;
  int hintHeight = 0;  // the line under the text field; 0 when there is none
  int scaleXNum = 1, scaleXDen = 1;
  int scaleYNum = 1, scaleYDen = 1;
};

struct NoteDialogLayout {
  LayoutRect ok, cancel, help, noPrintBox, label1, label2, edit, hint;
};

NoteDialogLayout LayOutNoteDialog(const NoteDialogMetrics& m);

}  // namespace zelto
