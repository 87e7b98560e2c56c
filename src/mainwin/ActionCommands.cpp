#include "mainwin/ActionCommands.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "common/CommandIds.h"
#include "common/CommandTable.h"
#include "common/ProgramConfirmation.h"
#include "common/ProgramEntry.h"
#include "common/WebLinks.h"
#include "model/Records.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/StatusMessage.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

// The selection of an edit control of any kind, line breaks as LF.
QString SelectionOf(QWidget* detail) {
  if (auto* line = qobject_cast<QLineEdit*>(detail)) return line->selectedText();
  QString text;
  if (auto* plain = qobject_cast<QPlainTextEdit*>(detail))
    text = plain->textCursor().selectedText();
  else if (auto* rich = qobject_cast<QTextEdit*>(detail))
    text = rich->textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

// The selected characters that the cleaning keeps (32 to 127) are plain ASCII, so the
// text is reduced before it becomes bytes; nothing outside ASCII can survive it anyway.
std::string AsciiBytes(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    const char16_t u = c.unicode();
    bytes += u < 128 ? static_cast<char>(u) : '\x01';  // dropped by CleanSelection
  }
  return bytes;
}

}  // namespace

ActionCommands::ActionCommands(ActionSession session, TNoteWindow& notes, CommandTable& commands,
                               DesktopActions& desktop, QObject* parent)
    : QObject(parent), s_(session), notes_(notes), commands_(commands), desktop_(desktop) {
  commands_.Add(CM_LINKURL, [this] { OpenLastUrl(); });
  for (int id = CM_PHONE0; id <= CM_PHONE5; ++id)
    commands_.Add(id, [this, id] { Dial(id - CM_PHONE0); });
  commands_.Add(CM_RUN, [this] { RunCurrentNote(); });
  connect(&notes_, &TNoteWindow::NoteActivated, this,
          [this](int category, int note, bool forEdit) { ActivateNote(category, note, forEdit); });
}

const NoteString* ActionCommands::NoteAt(int category, int note) const {
  if (note < 0 || note >= NoteCountOf(s_.doc.tabs, category)) return nullptr;
  return &s_.doc.tabs[static_cast<std::size_t>(category)].notes[static_cast<std::size_t>(note)];
}

const NoteString* ActionCommands::CurrentNote() const {
  const NoteLines& lines = notes_.Lines();
  const int noteCount = NoteCountOf(s_.doc.tabs, lines.currentCategory);
  const int categoryLines = lines.lineCount - noteCount;
  if (categoryLines < 0) return nullptr;
  if (ClassifyLine(lines.currentLine, categoryLines, noteCount) != LineKind::NoteLine)
    return nullptr;
  return NoteAt(lines.currentCategory, lines.currentLine - categoryLines);
}

void ActionCommands::ActivateNote(int category, int note, bool forEdit) {
  // Editing (forEdit) is the edit command's own; it only asks the note window to activate.
  if (forEdit) return;
  const NoteString* entry = NoteAt(category, note);
  if (entry == nullptr) return;
  // A found text that is no web address counts as no link: the note opens for editing.
  const std::optional<std::string> link = FindWebAddress(entry->text, s_.settings.WWWEnabled);
  switch (ChooseActivation(entry->flags, false, s_.settings.ClickURL != 0, link.has_value())) {
    case NoteActivation::RunProgram:
      RunProgram(*entry);
      break;
    case NoteActivation::OpenLink:
      s_.popup.lastUrl = *link;
      OpenLastUrl();
      break;
    case NoteActivation::Edit:
      if (commands_.HandlesCommand(CM_EDITNOTE)) commands_.DoCommand(CM_EDITNOTE);
      break;
    case NoteActivation::Nothing:
      break;
  }
}

void ActionCommands::RunCurrentNote() {
  if (const NoteString* note = CurrentNote()) RunProgram(*note);
}

void ActionCommands::RunProgram(const NoteString& note) {
  // The question shows the very plan that is then carried out.
  const ProgramLaunchPlan plan = PlanProgramEntry(note.text, desktop_);
  const bool startsSomething = plan.kind != ProgramLaunchPlan::Kind::Nothing &&
                               plan.kind != ProgramLaunchPlan::Kind::Refused;
  if (startsSomething && s_.permissions != nullptr) {
    const std::string command = SplitProgramEntry(note.text).command.value_or(std::string());
    if (!s_.permissions->IsAllowed(command)) {
      bool doNotAskAgain = false;
      if (!Prompter::AskWithCheckBox(Cp1252::Decode(RunQuestion(plan)), std::nullopt,
                                     QString::fromLatin1(RunButtonText),
                                     QString::fromLatin1(DoNotAskAgainText), doNotAskAgain))
        return;
      if (doNotAskAgain) s_.permissions->Allow(command);
    }
  }
  Report(RunLaunchPlan(plan, desktop_));
}

void ActionCommands::OpenCurrentLink() {
  const NoteString* note = CurrentNote();
  if (note == nullptr) return;
  if (std::optional<std::string> link = FindUrl(note->text, s_.settings.WWWEnabled)) {
    s_.popup.lastUrl = *link;
    OpenLastUrl();
  }
}

void ActionCommands::OpenLastUrl() { Report(OpenWebLink(s_.popup.lastUrl, desktop_)); }

void ActionCommands::Dial(int slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= s_.popup.dialStrings.size()) {
    Report(ActionOutcome::Failed(QStringLiteral("There is no number to dial.")));
    return;
  }
  const std::string& number = s_.popup.dialStrings[static_cast<std::size_t>(slot)];
  const ActionOutcome outcome = DialNumber(number, s_.popup.calledParty, desktop_);
  if (!outcome.IsFailure())
    ShowStatus(QStringLiteral("Dialling %1: %2")
                   .arg(Cp1252::Decode(number), Cp1252::Decode(s_.popup.calledParty)));
  Report(outcome);
}

void ActionCommands::Apply(const ActionItems& items) {
  ActionState state;
  state.lastUrl = s_.popup.lastUrl;
  for (std::size_t k = 0; k < state.dialStrings.size() && k < s_.popup.dialStrings.size(); ++k)
    state.dialStrings[k] = s_.popup.dialStrings[k];
  items.ApplyTo(state);
  s_.popup.lastUrl = state.lastUrl;
  s_.popup.calledParty = state.calledParty;
  s_.popup.dialStrings.assign(state.dialStrings.begin(), state.dialStrings.end());
}

std::vector<MenuItem> ActionCommands::NoteLineItems() {
  std::vector<MenuItem> items;
  const NoteString* note = CurrentNote();
  if (note == nullptr) return items;
  if (KindOf(note->flags) == EntryKind::Program) items.push_back({CM_RUN, "Run"});
  const ActionItems actions = NoteLineActions(note->text, s_.settings.WWWEnabled, s_.settings);
  Apply(actions);
  if (auto link = actions.LinkItem()) items.push_back({CM_LINKURL, *link});
  const std::vector<std::string> phones = actions.PhoneItems();
  for (std::size_t k = 0; k < phones.size(); ++k)
    items.push_back({CM_PHONE0 + static_cast<int>(k), phones[k]});
  return items;
}

std::vector<MenuItem> ActionCommands::DetailMenuItems(const QString& selectedText) {
  const std::string cleaned = CleanSelection(AsciiBytes(selectedText));
  const ActionItems actions =
      DetailSelectionActions(cleaned, !s_.settings.Browser.empty(), s_.settings);
  Apply(actions);
  std::vector<MenuItem> items;
  if (auto link = actions.LinkItem()) items.push_back({CM_LINKURL, *link});
  for (const std::string& phone : actions.PhoneItems()) items.push_back({CM_PHONE0, phone});
  return items;
}

void ActionCommands::ShowDetailMenu(QWidget* detail, QPoint pos) {
  const std::vector<MenuItem> items = DetailMenuItems(SelectionOf(detail));
  QMenu menu(detail);
  for (const MenuItem& item : items)
    menu.addAction(Cp1252::Decode(MenuLiteral(item.text)))->setData(item.id);
  if (menu.isEmpty()) return;  // an empty menu has nothing to offer
  const QAction* chosen = menu.exec(detail->mapToGlobal(pos));
  if (chosen == nullptr) return;
  const int id = chosen->data().toInt();
  if (id == CM_LINKURL)
    OpenLastUrl();
  else if (id == CM_PHONE0)
    Dial(0);
}

void ActionCommands::Report(const ActionOutcome& outcome) {
  if (outcome.IsFailure()) Prompter::Message(outcome.reason, QString(), Prompter::Icon::Warning);
}

void ActionCommands::ShowStatus(const QString& text) { ShowStatusMessage(&notes_, text, 10000); }

}  // namespace zelto
