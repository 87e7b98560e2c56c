#include "platform/DesktopActions.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "common/ProgramEntry.h"
#include "common/WebLinks.h"
#include "platform/Cp1252.h"

namespace zelto {

bool SystemDesktopActions::IsProgram(const QString& word) const {
  if (word.isEmpty()) return false;
  if (word.contains(QLatin1Char('/'))) {
    const QFileInfo info(word);
    return info.isFile() && info.isExecutable();
  }
  return !QStandardPaths::findExecutable(word).isEmpty();
}

ActionOutcome SystemDesktopActions::StartDetached(const QString& program,
                                                  const QStringList& arguments) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (process.startDetached()) return ActionOutcome::Done();
  QString why = process.errorString();
  if (why.isEmpty() || why == QLatin1String("Unknown error"))
    why = QStringLiteral("It could not be started.");
  return ActionOutcome::Failed(
      QStringLiteral("The program \"%1\" did not start: %2").arg(program, why));
}

ActionOutcome SystemDesktopActions::OpenFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists())
    return ActionOutcome::Failed(QStringLiteral("The file \"%1\" does not exist.").arg(path));
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
    return ActionOutcome::Failed(
        QStringLiteral("No application could open the file \"%1\".").arg(path));
  return ActionOutcome::Done();
}

std::optional<std::string> QueryDesktopDefault(const std::string& type) {
  QProcess xdgMime;
  xdgMime.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QString::fromStdString(type)});
  if (!xdgMime.waitForFinished(3000) || xdgMime.exitStatus() != QProcess::NormalExit ||
      xdgMime.exitCode() != 0)
    return std::nullopt;
  return xdgMime.readAllStandardOutput().trimmed().toStdString();
}

ActionOutcome SystemDesktopActions::OpenUrl(const QUrl& url) {
  if (query_ && FindSchemeHandler(url.scheme().toStdString(), query_) == SchemeHandler::Missing)
    return ActionOutcome::Failed(
        QStringLiteral("No program on this desktop opens %1 addresses, so \"%2\" was not opened.")
            .arg(url.scheme(), url.toDisplayString()));
  if (!QDesktopServices::openUrl(url))
    return ActionOutcome::Failed(
        QStringLiteral("No application could open \"%1\".").arg(url.toDisplayString()));
  return ActionOutcome::Done();
}

ActionOutcome SystemDesktopActions::Dial(const QString& dialString, const QString&) {
  QUrl url;
  url.setScheme(QStringLiteral("tel"));
  url.setPath(dialString);
  if (query_ && FindSchemeHandler("tel", query_) == SchemeHandler::Missing)
    return ActionOutcome::Failed(
        QStringLiteral("No program on this desktop dials telephone numbers (\"tel:\" addresses), "
                       "so %1 was not dialled.")
            .arg(dialString));
  if (!QDesktopServices::openUrl(url))
    return ActionOutcome::Failed(QStringLiteral("No application could dial %1.").arg(dialString));
  return ActionOutcome::Done();
}

ActionOutcome RunProgramEntry(const std::string& entryText, DesktopActions& desktop) {
  return RunLaunchPlan(PlanProgramEntry(entryText, desktop), desktop);
}

ProgramLaunchPlan PlanProgramEntry(const std::string& entryText, const DesktopActions& desktop) {
  // The word that names a program is started as written; the start finds it on the
  // search path the same way the check did.
  return PlanProgramLaunch(entryText,
                           [&desktop](const std::string& word) -> std::optional<std::string> {
                             if (desktop.IsProgram(Cp1252::Decode(word))) return word;
                             return std::nullopt;
                           });
}

ActionOutcome RunLaunchPlan(const ProgramLaunchPlan& plan, DesktopActions& desktop) {
  switch (plan.kind) {
    case ProgramLaunchPlan::Kind::Nothing:
      return ActionOutcome::Nothing();
    case ProgramLaunchPlan::Kind::Refused:
      return ActionOutcome::Failed(Cp1252::Decode(plan.reason));
    case ProgramLaunchPlan::Kind::Start: {
      QStringList arguments;
      for (const std::string& a : plan.arguments) arguments << Cp1252::Decode(a);
      return desktop.StartDetached(Cp1252::Decode(plan.target), arguments);
    }
    case ProgramLaunchPlan::Kind::Open:
      return desktop.OpenFile(Cp1252::Decode(plan.target));
    case ProgramLaunchPlan::Kind::OpenAddress: {
      const QUrl url(Cp1252::Decode(plan.target), QUrl::TolerantMode);
      if (!url.isValid())
        return ActionOutcome::Failed(
            QStringLiteral("\"%1\" is not a valid address.").arg(Cp1252::Decode(plan.target)));
      return desktop.OpenUrl(url);
    }
  }
  return ActionOutcome::Nothing();
}

ActionOutcome OpenWebLink(const std::string& link, DesktopActions& desktop) {
  // A selection often takes a blank at either end along; it is no part of the address.
  const std::size_t first = link.find_first_not_of(' ');
  const std::string address = first == std::string::npos
                                  ? std::string()
                                  : link.substr(first, link.find_last_not_of(' ') - first + 1);
  if (!IsWebAddress(address))
    return ActionOutcome::Failed(Cp1252::Decode(NotWebAddressMessage(link)));
  const QUrl url(Cp1252::Decode(address), QUrl::TolerantMode);
  if (!url.isValid()) return ActionOutcome::Failed(Cp1252::Decode(NotWebAddressMessage(link)));
  return desktop.OpenUrl(url);
}

ActionOutcome DialNumber(const std::string& dialString, const std::string& calledParty,
                         DesktopActions& desktop) {
  if (dialString.empty())
    return ActionOutcome::Failed(QStringLiteral("There is no number to dial."));
  return desktop.Dial(Cp1252::Decode(dialString), Cp1252::Decode(calledParty));
}

}  // namespace zelto
