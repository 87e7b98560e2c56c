#include "platform/Prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

namespace zelto {
namespace {

struct HookState {
  bool testMode = false;
  std::deque<Prompter::Answer> answers;
  struct NextFile {
    bool chosen = false;
    QString name;
  };
  std::deque<NextFile> fileNames;
  std::deque<std::optional<QColor>> colors;
  std::deque<bool> checkBoxes;
  std::deque<int> choices;
  std::vector<Prompter::Asked> history;
  int beeps = 0;
  QPointer<QWidget> owner;
  QString ownerCaption;
};

HookState& Hooks() {
  static HookState state;
  return state;
}

QWidget* DialogParent() {
  QWidget* owner = Hooks().owner.data();
  return owner ? owner : QApplication::activeWindow();
}

QString CaptionOr(const std::optional<QString>& caption) {
  QString shown;
  if (caption) {
    shown = *caption;
  } else if (QWidget* owner = Hooks().owner.data()) {
    shown = Hooks().ownerCaption.isEmpty() ? owner->windowTitle() : Hooks().ownerCaption;
  }
  // A box without a caption would carry whatever the window system puts there (Qt's
  // application name, "Zelto"): it carries the program's name instead.
  return shown.isEmpty() ? QString::fromLatin1(Prompter::PlainCaption) : shown;
}

QMessageBox::Icon ToQtIcon(Prompter::Icon icon) {
  switch (icon) {
    case Prompter::Icon::Information:
      return QMessageBox::Information;
    case Prompter::Icon::Question:
      return QMessageBox::Question;
    case Prompter::Icon::Warning:
      return QMessageBox::Warning;
    case Prompter::Icon::Error:
      return QMessageBox::Critical;
    case Prompter::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(Prompter::Answer answer) {
  switch (answer) {
    case Prompter::Answer::Yes:
      return QMessageBox::Yes;
    case Prompter::Answer::No:
      return QMessageBox::No;
    case Prompter::Answer::Cancel:
      return QMessageBox::Cancel;
    case Prompter::Answer::Ok:
      break;
  }
  return QMessageBox::Ok;
}

bool Offers(Prompter::Buttons buttons, Prompter::Answer answer) {
  switch (buttons) {
    case Prompter::Buttons::Ok:
      return answer == Prompter::Answer::Ok;
    case Prompter::Buttons::YesNo:
      return answer == Prompter::Answer::Yes || answer == Prompter::Answer::No;
    case Prompter::Buttons::YesNoCancel:
      return answer != Prompter::Answer::Ok;
    case Prompter::Buttons::OkCancel:
      return answer == Prompter::Answer::Ok || answer == Prompter::Answer::Cancel;
  }
  return false;
}

// What closing the box without pressing a button means.
Prompter::Answer EscapeAnswer(Prompter::Buttons buttons) {
  switch (buttons) {
    case Prompter::Buttons::Ok:
      return Prompter::Answer::Ok;
    case Prompter::Buttons::YesNo:
      return Prompter::Answer::No;
    case Prompter::Buttons::YesNoCancel:
    case Prompter::Buttons::OkCancel:
      break;
  }
  return Prompter::Answer::Cancel;
}

Prompter::Answer ShowBox(Prompter::Buttons buttons, const QString& text, const QString& caption,
                         Prompter::Answer defaultAnswer, Prompter::Icon icon) {
  QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton, DialogParent());
  switch (buttons) {
    case Prompter::Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Prompter::Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Prompter::Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case Prompter::Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
  }
  box.setDefaultButton(ToQtButton(defaultAnswer));
  box.setEscapeButton(ToQtButton(EscapeAnswer(buttons)));
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Prompter::Answer::Ok;
    case QMessageBox::Yes:
      return Prompter::Answer::Yes;
    case QMessageBox::No:
      return Prompter::Answer::No;
    case QMessageBox::Cancel:
      return Prompter::Answer::Cancel;
    default:
      break;
  }
  return EscapeAnswer(buttons);
}

// The name typed into a file dialog (from the hook or the real dialog), or nothing.
std::optional<QString> RunFileDialog(bool save, const FileDialogData& data, const QString& title) {
  const QString start = QFile::decodeName(QByteArray::fromStdString(data.fileName));
  const QString filter = QtFileFilter(data.filter);
  HookState& hooks = Hooks();
  hooks.history.push_back({save ? Prompter::Asked::Kind::SaveFile : Prompter::Asked::Kind::OpenFile,
                           start, title, Prompter::Buttons::Ok, Prompter::Answer::Ok, filter,
                           data.flags, QString(), QStringList()});
  if (hooks.testMode) {
    if (hooks.fileNames.empty()) return std::nullopt;
    const HookState::NextFile next = hooks.fileNames.front();
    hooks.fileNames.pop_front();
    if (!next.chosen) return std::nullopt;
    return next.name;
  }
  QFileDialog dialog(DialogParent(), title, start);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(QString::fromStdString(data.defaultExt));
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if ((data.flags & FileDialogOverwritePrompt) == 0)
      dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((data.flags & FileDialogFileMustExist) != 0 ? QFileDialog::ExistingFile
                                                                   : QFileDialog::AnyFile);
  }
  if (!start.isEmpty()) dialog.selectFile(start);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

bool FileDialog(bool save, FileDialogData& data, const QString& title) {
  std::optional<QString> typed = RunFileDialog(save, data, title);
  if (!typed || typed->isEmpty()) return false;
  const QString name = WithDefaultExtension(*typed, QString::fromStdString(data.defaultExt));
  data.fileName = QFile::encodeName(name).toStdString();
  return true;
}

}  // namespace

void Prompter::SetOwner(QWidget* owner, const QString& defaultCaption) {
  Hooks().owner = owner;
  Hooks().ownerCaption = defaultCaption;
}
QWidget* Prompter::Owner() { return Hooks().owner.data(); }

void Prompter::Message(const QString& text, const std::optional<QString>& caption, Icon icon) {
  Ask(Buttons::Ok, text, caption, Answer::Ok, icon);
}

bool Prompter::AskYesNo(const QString& text, const std::optional<QString>& caption,
                        Answer defaultAnswer, Icon icon) {
  return Ask(Buttons::YesNo, text, caption, defaultAnswer, icon) == Answer::Yes;
}

Prompter::Answer Prompter::AskYesNoCancel(const QString& text,
                                          const std::optional<QString>& caption,
                                          Answer defaultAnswer, Icon icon) {
  return Ask(Buttons::YesNoCancel, text, caption, defaultAnswer, icon);
}

bool Prompter::AskOkCancel(const QString& text, const std::optional<QString>& caption, Icon icon) {
  return Ask(Buttons::OkCancel, text, caption, Answer::Ok, icon) == Answer::Ok;
}

Prompter::Answer Prompter::Ask(Buttons buttons, const QString& text,
                               const std::optional<QString>& caption, Answer defaultAnswer,
                               Icon icon) {
  if (!Offers(buttons, defaultAnswer))
    defaultAnswer =
        buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  const QString shownCaption = CaptionOr(caption);
  HookState& hooks = Hooks();
  hooks.history.push_back({buttons == Buttons::Ok ? Asked::Kind::Message : Asked::Kind::Question,
                           text, shownCaption, buttons, defaultAnswer, QString(), 0, QString(),
                           QStringList()});
  if (hooks.testMode) {
    if (hooks.answers.empty()) return defaultAnswer;
    const Answer next = hooks.answers.front();
    hooks.answers.pop_front();
    // An answer the box does not offer is a fault of the test, not a choice of the user.
    return Offers(buttons, next) ? next : EscapeAnswer(buttons);
  }
  return ShowBox(buttons, text, shownCaption, defaultAnswer, icon);
}

int Prompter::AskChoice(const QString& text, const std::optional<QString>& caption,
                        const QStringList& choices, int defaultChoice, int escapeChoice,
                        Icon icon) {
  const QString shownCaption = CaptionOr(caption);
  HookState& hooks = Hooks();
  hooks.history.push_back({Asked::Kind::Question, text, shownCaption, Buttons::Ok, Answer::Ok,
                           QString(), 0, QString(), choices});
  if (hooks.testMode) {
    if (hooks.choices.empty()) return defaultChoice;
    const int next = hooks.choices.front();
    hooks.choices.pop_front();
    return next >= 0 && next < choices.size() ? next : escapeChoice;
  }
  QMessageBox box(ToQtIcon(icon), shownCaption, text, QMessageBox::NoButton, DialogParent());
  std::vector<QPushButton*> buttons;
  for (const QString& choice : choices)
    buttons.push_back(box.addButton(choice, QMessageBox::ActionRole));
  const auto valid = [&buttons](int i) { return i >= 0 && i < static_cast<int>(buttons.size()); };
  if (valid(defaultChoice)) box.setDefaultButton(buttons[static_cast<std::size_t>(defaultChoice)]);
  if (valid(escapeChoice)) box.setEscapeButton(buttons[static_cast<std::size_t>(escapeChoice)]);
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  return escapeChoice;
}

void Prompter::SetNextChoice(int choice) {
  Hooks().testMode = true;
  Hooks().choices.push_back(choice);
}

bool Prompter::AskWithCheckBox(const QString& text, const std::optional<QString>& caption,
                               const QString& acceptText, const QString& checkText, bool& checked,
                               Icon icon) {
  const QString shownCaption = CaptionOr(caption);
  HookState& hooks = Hooks();
  hooks.history.push_back({Asked::Kind::Question, text, shownCaption, Buttons::OkCancel,
                           Answer::Cancel, QString(), 0, checkText, QStringList()});
  checked = false;
  if (hooks.testMode) {
    if (!hooks.checkBoxes.empty()) {
      checked = hooks.checkBoxes.front();
      hooks.checkBoxes.pop_front();
    }
    if (hooks.answers.empty()) return false;
    const Answer next = hooks.answers.front();
    hooks.answers.pop_front();
    return next == Answer::Ok;
  }
  QMessageBox box(ToQtIcon(icon), shownCaption, text, QMessageBox::NoButton, DialogParent());
  QPushButton* accept = box.addButton(acceptText, QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(cancel);
  box.setEscapeButton(cancel);
  auto* check = new QCheckBox(checkText);  // the box owns it
  box.setCheckBox(check);
  box.exec();
  checked = check->isChecked();
  return box.clickedButton() == accept;
}

bool Prompter::OpenFileDialog(FileDialogData& data, const QString& title) {
  return FileDialog(false, data, title);
}

bool Prompter::SaveFileDialog(FileDialogData& data, const QString& title) {
  return FileDialog(true, data, title);
}

std::optional<std::string> Prompter::AskOpenFileName(const FileDialogData& data,
                                                     const QString& title) {
  FileDialogData copy = data;
  if (!FileDialog(false, copy, title)) return std::nullopt;
  return copy.fileName;
}

std::optional<std::string> Prompter::AskSaveFileName(const FileDialogData& data,
                                                     const QString& title) {
  FileDialogData copy = data;
  if (!FileDialog(true, copy, title)) return std::nullopt;
  return copy.fileName;
}

std::optional<QColor> Prompter::AskColor(const QColor& initial, const QString& title) {
  HookState& hooks = Hooks();
  hooks.history.push_back({Asked::Kind::Color, initial.name(), title, Buttons::Ok, Answer::Ok,
                           QString(), 0, QString(), QStringList()});
  if (hooks.testMode) {
    if (hooks.colors.empty()) return std::nullopt;
    std::optional<QColor> next = hooks.colors.front();
    hooks.colors.pop_front();
    return next;
  }
  const QColor chosen = QColorDialog::getColor(initial, DialogParent(), title);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

void Prompter::Beep() {
  HookState& hooks = Hooks();
  ++hooks.beeps;
  if (!hooks.testMode) QApplication::beep();
}

void Prompter::SetTestMode(bool on) { Hooks().testMode = on; }
bool Prompter::InTestMode() { return Hooks().testMode; }

void Prompter::SetNextAnswer(Answer answer) {
  Hooks().testMode = true;
  Hooks().answers.push_back(answer);
}

void Prompter::SetNextFileName(const std::optional<QString>& name) {
  Hooks().testMode = true;
  Hooks().fileNames.push_back({name.has_value(), name.value_or(QString())});
}

void Prompter::SetNextColor(const std::optional<QColor>& color) {
  Hooks().testMode = true;
  Hooks().colors.push_back(color);
}

void Prompter::SetNextCheckBox(bool checked) {
  Hooks().testMode = true;
  Hooks().checkBoxes.push_back(checked);
}

const std::vector<Prompter::Asked>& Prompter::History() { return Hooks().history; }
int Prompter::BeepCount() { return Hooks().beeps; }

void Prompter::ResetTestHooks() {
  HookState& hooks = Hooks();
  hooks.testMode = true;
  hooks.answers.clear();
  hooks.fileNames.clear();
  hooks.colors.clear();
  hooks.checkBoxes.clear();
  hooks.choices.clear();
  hooks.history.clear();
  hooks.beeps = 0;
}

QString QtFileFilter(const std::string& windowsFilter) {
  const QStringList parts = QString::fromStdString(windowsFilter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
    if (patterns.isEmpty()) continue;
    // Qt reads the patterns from the last parentheses, so a description that already
    // shows them in its own parentheses loses those first.
    if (description.endsWith(u')')) {
      const qsizetype open = description.lastIndexOf(u'(');
      if (open >= 0) description = description.left(open).trimmed();
    }
    if (description.isEmpty()) description = patterns;
    filters << description + QStringLiteral(" (") + patterns + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& name, const QString& defaultExt) {
  if (defaultExt.isEmpty() || name.isEmpty()) return name;
  const QString last = QFileInfo(name).fileName();
  if (last.isEmpty() || last.contains(u'.')) return name;
  return name + u'.' + defaultExt;
}

}  // namespace zelto
