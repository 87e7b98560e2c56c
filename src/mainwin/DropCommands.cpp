#include "mainwin/DropCommands.h"

#include "common/ApplicationName.h"
#include "common/ZeltoSettings.h"
#include "mainwin/CategoryRecording.h"
#include "mainwin/CategoryRules.h"
#include "mainwin/DropRules.h"
#include "mainwin/LineTarget.h"
#include "model/ChangeSequence.h"
#include "model/NoteListChange.h"
#include "platform/Prompter.h"

namespace zelto {
namespace {

void Refuse(std::string_view message) {
  Prompter::Message(QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size())),
                    QString::fromLatin1(ApplicationName), Prompter::Icon::Warning);
}

}  // namespace

void DropCommands::Drop(const DraggedLine& from, TabInx target, bool copy) {
  const LineTarget source = TargetOfLine(c_.doc.tabs, from.shown, from.line);
  if (source.kind == LineTarget::Kind::Note)
    DropNote(source.category, source.note, target, copy);
  else if (source.kind == LineTarget::Kind::Subcategory)
    DropCategory(source.category, target);
}

void DropCommands::DropNote(TabInx category, std::size_t note, TabInx target, bool copy) {
  TabList& tabs = c_.doc.tabs;
  if (!NoteDropChanges(tabs, category, target) || note >= tabs[category].notes.Count()) return;
  const NoteString dropped = tabs[category].notes[note];
  const WindowPlace before = c_.Place();
  // Into the target as Paste puts a note there, then out of where it was: one step.
  auto steps = std::make_unique<ChangeSequence>();
  auto insert = std::make_unique<NoteListChange>(target);
  insert->Insert(tabs, dropped);
  steps->Add(std::move(insert));
  if (!copy) {
    auto remove = std::make_unique<NoteListChange>(category);
    remove->Remove(tabs, note);
    steps->Add(std::move(remove));
  }
  c_.doc.modified = true;
  c_.RefreshNoteWindow();
  c_.Record(copy ? "Copy Note" : "Move Note", std::move(steps), before);
}

void DropCommands::DropCategory(TabInx moved, TabInx target) {
  switch (CheckCategoryDrop(c_.doc.tabs, moved, target, c_.settings.DefaultCat)) {
    case CategoryDrop::Move:
      break;
    case CategoryDrop::InsideItself:
      Refuse(PasteInsideItselfMessage);
      return;
    case CategoryDrop::NameTaken:
      Refuse(CategoryExistsMessage);
      return;
    case CategoryDrop::DefaultCategory:
      Refuse(DefaultCategoryStaysMessage);
      return;
    case CategoryDrop::Unchanged:
    case CategoryDrop::NoCategory:
      return;
  }
  Recording recording(c_);
  PasteCategory(c_.doc, c_.list, moved, target, TreePaste::AsChild, recording.change->SortRecord());
  c_.RefreshNoteWindow();
  recording.Finish("Move Category");
}

}  // namespace zelto
