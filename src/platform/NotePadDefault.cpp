#include "platform/NotePadDefault.h"

#include <QStandardPaths>
#include <QString>
#include <QtGlobal>

namespace zelto {

const std::vector<std::string>& KnownTextEditors() {
  static const std::vector<std::string> editors = {"gnome-text-editor", "gedit", "kate", "kwrite",
                                                   "mousepad",          "xed",   "pluma"};
  return editors;
}

std::string DefaultNotePad() {
#ifdef Q_OS_WIN
  QString windows = qEnvironmentVariable("WINDIR", qEnvironmentVariable("SystemRoot"));
  if (windows.isEmpty()) windows = QStringLiteral("C:\\Windows");
  return (windows + QStringLiteral("\\notepad.exe")).toStdString();
#else
  for (const std::string& editor : KnownTextEditors()) {
    QString path = QStandardPaths::findExecutable(QString::fromStdString(editor));
    if (!path.isEmpty()) return path.toStdString();
  }
  return "xdg-open";
#endif
}

}  // namespace zelto
