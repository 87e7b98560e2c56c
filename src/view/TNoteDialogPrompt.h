#pragma once
// The message boxes and the file-open dialog that the note and program dialogs show.
// Tests install hooks that answer instead, so no window is shown.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace zelto::DialogPrompt {

enum class Icon { None, Warning, Stop };

struct MessageShown {
  QString text;
  QString caption;
  Icon icon = Icon::None;
};

// A message box with an OK button, owned by `owner`.
void Message(QWidget* owner, const QString& text, const QString& caption, Icon icon);

// What the file-open dialog gave: a chosen file, or nothing with the dialog's error code
// (0 for a plain cancel).
struct FileChoice {
  std::optional<QString> path;
  long error = 0;
};

// The file-open dialog for a program file, owned by `owner`: only existing files, the
// filter of program types, starting in the current directory.
FileChoice ChooseProgramFile(QWidget* owner);

// ---- test hooks: while set, they are called instead of showing a window ----
using MessageHook = std::function<void(const MessageShown&)>;
using FileHook = std::function<FileChoice()>;
void SetMessageHook(MessageHook hook);
void SetFileHook(FileHook hook);

}  // namespace zelto::DialogPrompt
