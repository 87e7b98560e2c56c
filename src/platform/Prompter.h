#pragma once
// Every modal question of the program: message boxes, file dialogs, the colour dialog and
// the beep. Tests queue the next answers with the hooks below, so that no window is ever
// shown; the questions asked are recorded for them to check.
#include <QColor>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "model/DocumentFile.h"

class QWidget;

namespace zelto {

class Prompter {
 public:
  enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
  enum class Answer { Ok, Yes, No, Cancel };
  enum class Icon { None, Information, Question, Warning, Error };

  // The caption of a box whose caption is empty.
  static constexpr const char* PlainCaption = "Brindamor";

  // The window that owns every dialog (the frame), and the caption of boxes that name none
  // (the owner's title when not given).
  static void SetOwner(QWidget* owner, const QString& defaultCaption = QString());
  static QWidget* Owner();

  // A message box with an OK button. Without a caption the owner's default caption is used;
  // an empty caption shows as PlainCaption.
  static void Message(const QString& text, const std::optional<QString>& caption = std::nullopt,
                      Icon icon = Icon::None);
  // A question with Yes and No (default Yes unless `defaultAnswer` says No).
  static bool AskYesNo(const QString& text, const std::optional<QString>& caption = std::nullopt,
                       Answer defaultAnswer = Answer::Yes, Icon icon = Icon::Question);
  // A question with Yes, No and Cancel; closing the box answers Cancel.
  static Answer AskYesNoCancel(const QString& text,
                               const std::optional<QString>& caption = std::nullopt,
                               Answer defaultAnswer = Answer::Yes, Icon icon = Icon::Question);
  // A question with OK and Cancel (default OK); closing the box answers Cancel.
  static bool AskOkCancel(const QString& text, const std::optional<QString>& caption = std::nullopt,
                          Icon icon = Icon::Question);
  // A question with the buttons `acceptText` and Cancel (the default; closing the box
  // answers Cancel too) and a check box `checkText` under the text, not ticked at first.
  // True for `acceptText`; `checked` then tells whether the box was ticked.
  static bool AskWithCheckBox(const QString& text, const std::optional<QString>& caption,
                              const QString& acceptText, const QString& checkText, bool& checked,
                              Icon icon = Icon::Warning);
  // A question with buttons of its own texts, `choices`, left to right; the index of the
  // button pressed. Closing the box answers `escapeChoice`.
  static int AskChoice(const QString& text, const std::optional<QString>& caption,
                       const QStringList& choices, int defaultChoice, int escapeChoice,
                       Icon icon = Icon::Question);
  // Any of the button sets.
  static Answer Ask(Buttons buttons, const QString& text, const std::optional<QString>& caption,
                    Answer defaultAnswer, Icon icon);

  // The file-open or file-save dialog on `data`: it starts at data.fileName and, when the
  // user confirms, puts the chosen name there (with the default extension when the user
  // typed none) and returns true. A cancelled dialog changes nothing and returns false.
  static bool OpenFileDialog(FileDialogData& data, const QString& title = QString());
  static bool SaveFileDialog(FileDialogData& data, const QString& title = QString());

  // The same dialogs leaving `data` alone: the chosen name, or nothing when cancelled.
  static std::optional<std::string> AskOpenFileName(const FileDialogData& data,
                                                    const QString& title = QString());
  static std::optional<std::string> AskSaveFileName(const FileDialogData& data,
                                                    const QString& title = QString());

  // The colour dialog titled `title` (Qt's own title when empty), starting at `initial`; the
  // chosen colour, or nothing when cancelled.
  static std::optional<QColor> AskColor(const QColor& initial, const QString& title = QString());

  static void Beep();

  // ---- test hooks ----
  // Once a hook is used (or SetTestMode(true) is called) no window is shown any more: a
  // question without a queued answer gets its default button, a dialog is cancelled.
  static void SetTestMode(bool on);
  static bool InTestMode();
  static void SetNextAnswer(Answer answer);
  // The next file dialog returns `name` as typed by the user; nothing = cancelled.
  static void SetNextFileName(const std::optional<QString>& name);
  static void SetNextColor(const std::optional<QColor>& color);
  // The check box of the next AskWithCheckBox is ticked (or not); its answer comes from
  // SetNextAnswer: Ok accepts, Cancel does not.
  static void SetNextCheckBox(bool checked);
  // The button the next AskChoice answers with, by its index.
  static void SetNextChoice(int choice);

  struct Asked {
    enum class Kind { Message, Question, OpenFile, SaveFile, Color };
    Kind kind;
    QString text;     // message text; the file name or colour name a dialog started with
    QString caption;  // caption or dialog title
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
    QString filter;           // file dialogs: the Qt filter shown
    std::uint32_t flags = 0;  // file dialogs: the options (FileDialogFileMustExist, ...)
    QString checkBox;         // AskWithCheckBox: the check box's text
    QStringList choices;      // AskChoice: the buttons' texts
  };
  static const std::vector<Asked>& History();
  static int BeepCount();
  // Forgets queued answers, the history and the beeps; stays in test mode.
  static void ResetTestHooks();
};

// "Zelto files (*.zlt)|*.zlt|" (description and pattern pairs, each ended by '|',
// patterns separated by ';') as a Qt name filter "Zelto files (*.zlt)"; several are joined by ";;".
QString QtFileFilter(const std::string& windowsFilter);

// `name` with "." + `defaultExt` appended when its last path component has no extension.
QString WithDefaultExtension(const QString& name, const QString& defaultExt);

}  // namespace zelto
