#pragma once
// The two dialogs of the editing commands behind one interface: the note dialog (a note or
// a category name) and the program dialog. The program uses QtEditDialogs; tests put
// answers of their own in its place.
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/Document.h"
#include "model/NoteString.h"
#include "view/TNoteDialog.h"

namespace zelto {

class EditDialogs {
 public:
  virtual ~EditDialogs() = default;
  // The note dialog titled `caption` on `note`, a note or a category name (`kind`): on OK
  // the edited text and flags are stored in `note` and true is returned; on Cancel `note`
  // is left alone.
  virtual bool EditNote(std::string_view caption, NoteString& note, EditedText kind) = 0;
  // The program dialog: the composed text of the new program entry, or nothing on Cancel.
  virtual std::optional<std::string> NewProgramEntry() = 0;
};

// The real dialogs, owned by `parent`. The note dialog's settings are read each time it
// opens, so a changed font or date style applies at once.
class QtEditDialogs : public EditDialogs {
 public:
  QtEditDialogs(QWidget* parent, std::function<NoteDialogSettings()> settings);

  bool EditNote(std::string_view caption, NoteString& note, EditedText kind) override;
  std::optional<std::string> NewProgramEntry() override;

 private:
  QPointer<QWidget> parent_;
  std::function<NoteDialogSettings()> settings_;
};

// The one way a note or a category name is edited: the note dialog on `note`; on OK the
// document counts as changed.
bool RunNoteDialog(EditDialogs& dialogs, Document& doc, std::string_view caption, NoteString& note,
                   EditedText kind = EditedText::Note);

}  // namespace zelto
