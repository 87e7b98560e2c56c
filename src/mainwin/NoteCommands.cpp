#include "mainwin/NoteCommands.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>

#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "common/ProgramConfirmation.h"
#include "common/ProgramEntry.h"
#include "common/ZeltoSettings.h"
#include "mainwin/NoteClipboard.h"
#include "mainwin/NoteOperations.h"
#include "model/NoteListChange.h"
#include "platform/Cp1252.h"
#include "platform/DesktopActions.h"
#include "platform/Prompter.h"
#include "platform/ScratchFile.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

// Text from other programs breaks its lines with LF alone; a note breaks them with CR LF.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

void PutOnClipboard(const NoteString& note) {
  if (QClipboard* clipboard = Clipboard())
    clipboard->setText(Cp1252::Decode(ClipboardTextOf(note)));
}

}  // namespace

NoteCommands::NoteCommands(EditingContext& context, DesktopActions& desktop, QString scratchDir,
                           ProgramPermissions* permissions)
    : c_(context),
      desktop_(desktop),
      scratchDir_(std::move(scratchDir)),
      permissions_(permissions) {}

void NoteCommands::Register(CommandTable& table) {
  const auto hasCategory = [this] { return c_.HasCurrentCategory(); };
  const auto onNote = [this] { return c_.CurrentLine().IsNoteLine(); };
  table.Add(
      CM_ADDNOTE, [this] { AddNote(); }, hasCategory);
  table.Add(
      CM_ADDPROGRAM, [this] { AddProgram(); }, hasCategory);
  table.Add(
      CM_EDITNOTE, [this] { EditCurrentNote(); }, onNote);
  table.Add(
      CM_DELETENOTE, [this] { DeleteCurrentNote(); }, onNote);
  table.Add(CM_EDITCOPY, [this] { CopyCurrentNote(); });
  table.Add(
      CM_EDITPASTE, [this] { PasteNote(); },
      [this] { return c_.HasCurrentCategory() && ClipboardHasText(); });
  table.Add(CM_SPLITENTRY, [this] { SplitCurrentNote(); });
  table.Add(CM_VIEWNOTEPAD, [this] { ViewCurrentNoteInNotepad(); });
}

bool NoteCommands::ClipboardHasText() {
  const QClipboard* clipboard = Clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  return data != nullptr && data->hasText() && !data->text().isEmpty();
}

void NoteCommands::AddNote() {
  const auto category = c_.CurrentCategory();
  if (!category) return;
  NoteString note;
  if (!RunNoteDialog(c_.dialogs, c_.doc, "Add entry", note)) return;
  const WindowPlace before = c_.Place();
  auto change = std::make_unique<NoteListChange>(*category);
  change->Insert(c_.doc.tabs, note);
  c_.ShowAddedNote(*category, FindAddedNote(c_.doc.tabs[*category].notes, note.text), true);
  c_.Record("Add Note", std::move(change), before);
}

void NoteCommands::AddProgram() {
  const auto category = c_.CurrentCategory();
  if (!category) return;
  const auto text = c_.dialogs.NewProgramEntry();
  if (!text) return;
  c_.doc.modified = true;
  NoteString entry;
  entry.text = *text;
  entry.flags = static_cast<std::uint8_t>(EntryKind::Program);
  // Typed here by the user: it runs without a question.
  if (const auto command = SplitProgramEntry(entry.text).command; command && permissions_)
    permissions_->Allow(*command);
  const WindowPlace before = c_.Place();
  auto change = std::make_unique<NoteListChange>(*category);
  change->Insert(c_.doc.tabs, std::move(entry));
  c_.RefreshNoteWindow();
  c_.Record("Add Program", std::move(change), before);
}

void NoteCommands::EditCurrentNote() {
  const LineTarget line = c_.CurrentLine();
  if (line.IsNoteLine()) EditNote(line.category, line.note);
}

void NoteCommands::EditNote(TabInx category, std::size_t index) {
  if (!c_.doc.tabs.Valid(category)) return;
  NoteList& notes = c_.doc.tabs[category].notes;
  if (index >= notes.Count()) return;
  const NoteString original = notes[index];
  NoteString copy = original;
  if (!RunNoteDialog(c_.dialogs, c_.doc, "Edit entry", copy)) return;
  // A command the user typed anew in the dialog runs without a question; one left as it
  // came keeps its question.
  const auto command = SplitProgramEntry(copy.text).command;
  if (permissions_ && IsProgram(copy.flags) && command &&
      command != SplitProgramEntry(original.text).command)
    permissions_->Allow(*command);
  const WindowPlace before = c_.Place();
  auto change = std::make_unique<NoteListChange>(category);
  change->Remove(c_.doc.tabs, index);
  const std::size_t placed = change->Insert(c_.doc.tabs, copy);
  // The note window keeps its scroll place: the edited note may move out of view.
  c_.ShowAddedNote(category, FindAddedNote(notes, copy.text), false);
  // A note that the dialog gave back as it was, in its old place, is no step to undo.
  if (placed == index && original.text == copy.text && original.flags == copy.flags) return;
  c_.Record("Edit Note", std::move(change), before);
}

void NoteCommands::DeleteCurrentNote() {
  const LineTarget line = c_.CurrentLine();
  if (!line.IsNoteLine()) return;
  NoteList& notes = c_.doc.tabs[line.category].notes;
  const std::string question = DeleteNoteQuestion(notes[line.note].text);
  if (!Prompter::AskOkCancel(Cp1252::Decode(question), QString())) return;
  PutOnClipboard(notes[line.note]);
  const WindowPlace before = c_.Place();
  auto change = std::make_unique<NoteListChange>(line.category);
  change->Remove(c_.doc.tabs, line.note);
  c_.doc.modified = true;
  c_.RefreshNoteWindow();
  c_.Record("Delete Note", std::move(change), before);
}

void NoteCommands::CopyCurrentNote() {
  const LineTarget line = c_.CurrentLine();
  if (line.IsNoteLine()) PutOnClipboard(c_.doc.tabs[line.category].notes[line.note]);
}

void NoteCommands::PasteNote() {
  if (ClipboardHasText()) PasteText(Clipboard()->text());
}

void NoteCommands::PasteText(const QString& text) {
  const auto category = c_.CurrentCategory();
  if (!category || text.isEmpty()) return;
  const Cp1252::Encoded bytes = Cp1252::Encode(text);
  if (!bytes.Ok()) {
    Prompter::Message(Cp1252::RefusalMessage(bytes.unmappable),
                      QString::fromLatin1(ApplicationName), Prompter::Icon::Warning);
    return;
  }
  const NoteString note = NoteFromClipboardText(WithCrLf(bytes.bytes));
  const WindowPlace before = c_.Place();
  auto change = std::make_unique<NoteListChange>(*category);
  change->Insert(c_.doc.tabs, note);
  c_.doc.modified = true;
  c_.ShowAddedNote(*category, FindAddedNote(c_.doc.tabs[*category].notes, note.text), true);
  c_.Record("Paste Note", std::move(change), before);
}

void NoteCommands::SplitCurrentNote() {
  const LineTarget line = c_.CurrentLine();
  if (!line.IsNoteLine()) return;
  const WindowPlace before = c_.Place();
  auto change = std::make_unique<NoteListChange>(line.category);
  const auto first = SplitNote(c_.doc.tabs, *change, line.note);
  c_.doc.modified = true;
  if (first)
    c_.ShowAddedNote(line.category, *first, true);
  else
    c_.RefreshNoteWindow();
  c_.Record("Split Entry", std::move(change), before);
}

void NoteCommands::ViewCurrentNoteInNotepad() {
  const LineTarget line = c_.CurrentLine();
  if (!line.IsNoteLine()) return;
  const std::string& text = c_.doc.tabs[line.category].notes[line.note].text;
  const QString caption = QString::fromLatin1(ApplicationName);

  const ScratchFile scratch =
      WriteScratchFile(text, scratchDir_.isEmpty() ? PrivateScratchFolder() : scratchDir_);
  const QString path = scratch.path;
  if (!scratch.error.isEmpty()) {
    Prompter::Message(QStringLiteral("Cannot write the file %1: %2")
                          .arg(QDir::toNativeSeparators(path), scratch.error),
                      caption, Prompter::Icon::Warning);
    return;
  }

  // The NotePad setting may carry options of its own after the editor's name.
  QStringList words = QProcess::splitCommand(Cp1252::Decode(c_.settings.NotePad));
  if (words.isEmpty()) {
    Prompter::Message(
        QStringLiteral("No text editor is set to show %1.").arg(QDir::toNativeSeparators(path)),
        caption, Prompter::Icon::Warning);
    return;
  }
  const QString editor = words.takeFirst();
  words << path;
  const ActionOutcome started = desktop_.StartDetached(editor, words);
  if (started.IsFailure()) {
    Prompter::Message(QStringLiteral("%1\n\nThe note was written to %2.")
                          .arg(started.reason, QDir::toNativeSeparators(path)),
                      caption, Prompter::Icon::Warning);
  }
}

}  // namespace zelto
