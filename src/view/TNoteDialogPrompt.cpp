#include "view/TNoteDialogPrompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace zelto::DialogPrompt {

namespace {

MessageHook& MessageHookSlot() {
  static MessageHook hook;
  return hook;
}

FileHook& FileHookSlot() {
  static FileHook hook;
  return hook;
}

// The program types offered. "All Files" matches every file: programs on this platform
// usually have no extension, so its pattern is "*" rather than "*.*".
QString ProgramFileFilter() {
  return QStringList{QStringLiteral("All Files (*)"), QStringLiteral("Exe Files (*.exe)"),
                     QStringLiteral("Com Files (*.com)"), QStringLiteral("Bat Files (*.bat)")}
      .join(QStringLiteral(";;"));
}

}  // namespace

void SetMessageHook(MessageHook hook) { MessageHookSlot() = std::move(hook); }
void SetFileHook(FileHook hook) { FileHookSlot() = std::move(hook); }

void Message(QWidget* owner, const QString& text, const QString& caption, Icon icon) {
  if (const MessageHook& hook = MessageHookSlot()) {
    hook({text, caption, icon});
    return;
  }
  const QMessageBox::Icon boxIcon = icon == Icon::Stop      ? QMessageBox::Critical
                                    : icon == Icon::Warning ? QMessageBox::Warning
                                                            : QMessageBox::NoIcon;
  QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

FileChoice ChooseProgramFile(QWidget* owner) {
  if (const FileHook& hook = FileHookSlot()) return hook();
  // QFileDialog offers only existing files in this mode and leaves the process's current
  // directory alone; an empty start directory means the current one.
  const QString chosen =
      QFileDialog::getOpenFileName(owner, QString(), QString(), ProgramFileFilter());
  if (chosen.isEmpty()) return {};
  return {chosen, 0};
}

}  // namespace zelto::DialogPrompt
