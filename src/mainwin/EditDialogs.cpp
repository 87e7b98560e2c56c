#include "mainwin/EditDialogs.h"

#include "platform/HelpWindow.h"
#include "view/TExecDialog.h"

namespace zelto {

QtEditDialogs::QtEditDialogs(QWidget* parent, std::function<NoteDialogSettings()> settings)
    : parent_(parent), settings_(std::move(settings)) {}

bool QtEditDialogs::EditNote(std::string_view caption, NoteString& note, EditedText kind) {
  TNoteDialog dialog(parent_, caption, settings_ ? settings_() : NoteDialogSettings{}, kind);
  dialog.SetText(note.text);
  dialog.SetFlags(note.flags);
  QObject::connect(&dialog, &TNoteDialog::helpRequested, &dialog,
                   [&dialog](int context) { HelpWindow::ShowContext(context, &dialog); });
  if (dialog.exec() != QDialog::Accepted) return false;
  note.text = dialog.Text();
  note.flags = dialog.Flags();
  return true;
}

std::optional<std::string> QtEditDialogs::NewProgramEntry() {
  TExecDialog dialog(parent_);
  QObject::connect(&dialog, &TExecDialog::helpRequested, &dialog,
                   [&dialog](int context) { HelpWindow::ShowContext(context, &dialog); });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.EntryText();
}

bool RunNoteDialog(EditDialogs& dialogs, Document& doc, std::string_view caption, NoteString& note,
                   EditedText kind) {
  if (!dialogs.EditNote(caption, note, kind)) return false;
  doc.modified = true;
  return true;
}

}  // namespace zelto
