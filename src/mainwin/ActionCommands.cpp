#include "mainwin/ActionCommands.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/TZeltoApp.h"
#include "mainwin/ProgramConfirmation.h"
#include "mainwin/ProgramEntry.h"
#include "mainwin/WebLinks.h"
#include "model/Records.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
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

ActionCommands::ActionCommands(TZeltoApp& app, TNoteWindow& notes, CommandTable& commands,
                               DesktopActions& desktop, QObject* parent,
                               ProgramPermissions* permissions)
    : QObject(parent),
      app_(app),
      notes_(notes),
      commands_(commands),
      desktop_(desktop),
      permissions_(permissions) {
  commands_.Add(CM_LINKURL, [this] { OpenLastUrl(); });
  for (int id = CM_PHONE0; id <= CM_PHONE5; ++id)
    commands_.Add(id, [this, id] { Dial(id - CM_PHONE0); });
  commands_.Add(CM_RUN, [this] { RunCurrentNote(); });
  connect(&notes_, &TNoteWindow::NoteActivated, this,
          [this](int category, qsizetype note, bool forEdit) {
            ActivateNote(category, note, forEdit);
          });
}

const NoteString* ActionCommands::NoteAt(long long category, long long note) const {
  const TabList& tabs = app_.doc.tabs;
  if (category < 0 || static_cast<std::size_t>(category) >= tabs.Count()) return nullptr;
  const NoteList& list = tabs[static_cast<std::size_t>(category)].notes;
  if (note < 0 || static_cast<std::size_t>(note) >= list.Count()) return nullptr;
  return &list[static_cast<std::size_t>(note)];
}

const NoteString* ActionCommands::CurrentNote() const {
  const NoteLines& lines = notes_.Lines();
  const std::size_t noteCount = NoteCountOf(app_.doc.tabs, lines.currentCategory);
  if (lines.lineCount < static_cast<int>(noteCount)) return nullptr;
  const auto categoryLines = static_cast<std::size_t>(lines.lineCount) - noteCount;
  if (ClassifyLine(lines.currentLine, categoryLines, noteCount) != LineKind::NoteLine)
    return nullptr;
  return NoteAt(lines.currentCategory, lines.currentLine - static_cast<long long>(categoryLines));
}

void ActionCommands::ActivateNote(long long category, long long note, bool forEdit) {
  // Editing (forEdit) is the edit command's own; it only asks the note window to activate.
  if (forEdit) return;
  const NoteString* entry = NoteAt(category, note);
  if (entry == nullptr) return;
  const std::optional<std::string> link = FindUrl(entry->text, app_.WWWEnabled);
  switch (ChooseActivation(entry->flags, false, app_.ClickURL != 0, link.has_value())) {
    case NoteActivation::RunProgram:
      RunProgram(*entry);
      break;
    case NoteActivation::OpenLink:
      app_.lastUrl = *link;
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
  if (startsSomething && permissions_ != nullptr) {
    const std::string command = SplitProgramEntry(note.text).command.value_or(std::string());
    if (!permissions_->IsAllowed(command)) {
      bool doNotAskAgain = false;
      if (!Prompter::AskWithCheckBox(Cp1252::Decode(RunQuestion(plan)), std::nullopt,
                                     QString::fromLatin1(RunButtonText),
                                     QString::fromLatin1(DoNotAskAgainText), doNotAskAgain))
        return;
      if (doNotAskAgain) permissions_->Allow(command);
    }
  }
  Report(RunLaunchPlan(plan, desktop_));
}

void ActionCommands::OpenCurrentLink() {
  const NoteString* note = CurrentNote();
  if (note == nullptr) return;
  if (std::optional<std::string> link = FindUrl(note->text, app_.WWWEnabled)) {
    app_.lastUrl = *link;
    OpenLastUrl();
  }
}

void ActionCommands::OpenLastUrl() { Report(OpenWebLink(app_.lastUrl, desktop_)); }

void ActionCommands::Dial(int slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= app_.dialStrings.size()) {
    Report(ActionOutcome::Failed(QStringLiteral("There is no number to dial.")));
    return;
  }
  const std::string& number = app_.dialStrings[static_cast<std::size_t>(slot)];
  const ActionOutcome outcome = DialNumber(number, app_.calledParty, desktop_);
  if (!outcome.IsFailure())
    ShowStatus(QStringLiteral("Dialling %1: %2")
                   .arg(Cp1252::Decode(number), Cp1252::Decode(app_.calledParty)));
  Report(outcome);
}

void ActionCommands::Apply(const ActionItems& items) {
  ActionState state;
  state.lastUrl = app_.lastUrl;
  for (std::size_t k = 0; k < state.dialStrings.size() && k < app_.dialStrings.size(); ++k)
    state.dialStrings[k] = app_.dialStrings[k];
  items.ApplyTo(state);
  app_.lastUrl = state.lastUrl;
  app_.calledParty = state.calledParty;
  app_.dialStrings.assign(state.dialStrings.begin(), state.dialStrings.end());
}

std::vector<MenuItem> ActionCommands::NoteLineItems() {
  std::vector<MenuItem> items;
  const NoteString* note = CurrentNote();
  if (note == nullptr) return items;
  if (KindOf(note->flags) == EntryKind::Program) items.push_back({CM_RUN, "Run"});
  const ActionItems actions = NoteLineActions(note->text, app_.WWWEnabled, app_);
  Apply(actions);
  if (auto link = actions.LinkItem()) items.push_back({CM_LINKURL, *link});
  const std::vector<std::string> phones = actions.PhoneItems();
  for (std::size_t k = 0; k < phones.size(); ++k)
    items.push_back({CM_PHONE0 + static_cast<int>(k), phones[k]});
  return items;
}

std::vector<MenuItem> ActionCommands::DetailMenuItems(const QString& selectedText) {
  const std::string cleaned = CleanSelection(AsciiBytes(selectedText));
  const ActionItems actions = DetailSelectionActions(cleaned, !app_.Browser.empty(), app_);
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

void ActionCommands::ShowStatus(const QString& text) {
  if (auto* frame = qobject_cast<QMainWindow*>(notes_.window()))
    frame->statusBar()->showMessage(text, 10000);
}

}  // namespace zelto
