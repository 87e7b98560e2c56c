#pragma once
// The note commands of the main window: add a note or a program entry, edit, delete, copy
// and paste a note through the clipboard, split a note into one note per line, and view a
// note in the text editor. New and pasted notes go to the current category; the others act
// on the note of the note window's current line.
#include <QString>
#include <cstddef>

#include "common/CommandTable.h"
#include "mainwin/EditingContext.h"

namespace zelto {

class DesktopActions;
class ProgramPermissions;

class NoteCommands {
 public:
  // `scratchDir` is where the scratch file goes (a private folder of the user's when
  // empty). With `permissions`, program entries typed here are allowed to run.
  NoteCommands(EditingContext& context, DesktopActions& desktop, QString scratchDir = {},
               ProgramPermissions* permissions = nullptr);

  // Adds the handlers and enablers of the note commands to `table`.
  void Register(CommandTable& table);

  void AddNote();
  void AddProgram();
  // Edits the note of the current line; EditNote edits any note of a category.
  void EditCurrentNote();
  void EditNote(TabInx category, std::size_t index);
  void DeleteCurrentNote();
  void CopyCurrentNote();
  void PasteNote();
  // Paste with `text` in the clipboard's place (text dropped on the note window).
  void PasteText(const QString& text);
  void SplitCurrentNote();
  void ViewCurrentNoteInNotepad();

  // Whether the clipboard holds text to paste.
  static bool ClipboardHasText();

 private:
  EditingContext& c_;
  DesktopActions& desktop_;
  QString scratchDir_;
  ProgramPermissions* permissions_;
};

}  // namespace zelto
