#pragma once
// The desktop services that the entry actions hand over to: starting a program, opening
// a file or a web address with the desktop's default application, and dialling a phone
// number. The program works through the DesktopActions interface, so that tests put a
// recorder in its place; SystemDesktopActions is the real one.
#include <QString>
#include <QStringList>
#include <QUrl>
#include <string>

#include "platform/SchemeHandler.h"

namespace zelto {

struct ProgramLaunchPlan;

// What came of handing something over; a failure carries the reason for the message.
struct ActionOutcome {
  enum class Status {
    Done,     // handed over
    Nothing,  // there was nothing to do (a program entry without a command line)
    Failed,   // refused or not started; `reason` says why
  };
  Status status = Status::Done;
  QString reason;

  static ActionOutcome Done() { return {}; }
  static ActionOutcome Nothing() { return {Status::Nothing, {}}; }
  static ActionOutcome Failed(QString why) { return {Status::Failed, std::move(why)}; }
  bool IsFailure() const { return status == Status::Failed; }
};

class DesktopActions {
 public:
  virtual ~DesktopActions() = default;
  // True when `word` names a program that can be started: a path to an executable file,
  // or the name of one on the search path.
  virtual bool IsProgram(const QString& word) const = 0;
  // Starts a program without waiting for it.
  virtual ActionOutcome StartDetached(const QString& program, const QStringList& arguments) = 0;
  // Opens a file with the desktop's default application for it.
  virtual ActionOutcome OpenFile(const QString& path) = 0;
  // Opens an address with the desktop's handler for its scheme (the browser for a web
  // address, the mail program for "mailto:", ...).
  virtual ActionOutcome OpenUrl(const QUrl& url) = 0;
  // Asks the desktop to dial a number (a "tel:" address); the called party is what the
  // caller shows while it does.
  virtual ActionOutcome Dial(const QString& dialString, const QString& calledParty) = 0;
};

// The desktop's default application for a type, as "xdg-mime query default TYPE" tells it;
// nothing where xdg-mime is missing or fails.
std::optional<std::string> QueryDesktopDefault(const std::string& type);

// The services of the running desktop (QProcess, QDesktopServices). A web address or a
// number is handed over only when the desktop has a program for its scheme, as `query` tells.
class SystemDesktopActions : public DesktopActions {
 public:
  explicit SystemDesktopActions(DefaultApplicationQuery query = QueryDesktopDefault)
      : query_(std::move(query)) {}

  bool IsProgram(const QString& word) const override;
  ActionOutcome StartDetached(const QString& program, const QStringList& arguments) override;
  ActionOutcome OpenFile(const QString& path) override;
  ActionOutcome OpenUrl(const QUrl& url) override;
  ActionOutcome Dial(const QString& dialString, const QString& calledParty) override;

 private:
  DefaultApplicationQuery query_;
};

// Runs a program entry (its text as stored: description, line break, command line): a
// command that is an address with a scheme is opened by the desktop's handler for it;
// otherwise the first word, when it names a program, is started with the others as its
// arguments, and anything else is opened as a file. An entry without a command line does
// nothing.
ActionOutcome RunProgramEntry(const std::string& entryText, DesktopActions& desktop);
// The same in two steps: what running the entry will start on this desktop, and starting it.
ProgramLaunchPlan PlanProgramEntry(const std::string& entryText, const DesktopActions& desktop);
ActionOutcome RunLaunchPlan(const ProgramLaunchPlan& plan, DesktopActions& desktop);

// Opens a found link, but only when it is a web address (http, https or ftp; blanks at
// either end are left out); anything else is refused with a message saying so.
ActionOutcome OpenWebLink(const std::string& link, DesktopActions& desktop);

// Dials a dial string with the called-party text beside it.
ActionOutcome DialNumber(const std::string& dialString, const std::string& calledParty,
                         DesktopActions& desktop);

}  // namespace zelto
