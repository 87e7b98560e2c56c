#pragma once
// What notes do besides being shown: activating a note line, running a program entry,
// opening a web link and dialling a phone number, with the popup items that offer them
// (the note line's and the entry detail window's). The state the items' commands act on
// is kept by the application object.
#include <QObject>
#include <QPoint>
#include <QString>
#include <string>
#include <vector>

#include "common/ZeltoSettings.h"
#include "mainwin/ContextMenu.h"
#include "mainwin/EntryActions.h"
#include "model/Document.h"
#include "platform/DesktopActions.h"

class QWidget;

namespace zelto {

class TNoteWindow;
class CommandTable;
class ProgramPermissions;
struct NoteString;

// What the link and phone items of the last popup act on, kept from one popup to the next.
// `dialStrings` is empty until a popup has offered numbers.
struct PopupTargets {
  std::string lastUrl;
  std::vector<std::string> dialStrings;
  std::string calledParty;
};

// What the action commands work on besides the note window.
struct ActionSession {
  const Document& doc;
  const ZeltoSettings& settings;  // WWWEnabled, ClickURL, Browser and the dialling settings
  PopupTargets& popup;
  // Which program entries run without a question; without it none asks.
  ProgramPermissions* permissions;
};

class ActionCommands : public QObject {
  Q_OBJECT

 public:
  // `commands` is the main window's command table: the action commands join it, and the
  // note editing command is reached through it. `desktop` carries the requests out.
  ActionCommands(ActionSession session, TNoteWindow& notes, CommandTable& commands,
                 DesktopActions& desktop, QObject* parent = nullptr);

  // The note of the note window's current line, or nullptr when that is no note line.
  const NoteString* CurrentNote() const;

  // A note line was activated (Enter, double click): a program entry runs, a text note
  // opens its link when ClickURL is on and it has one, and is edited otherwise.
  void ActivateNote(int category, int note, bool forEdit);
  // Runs the current note as a program entry (the popup's Run).
  void RunCurrentNote();
  // The L key: opens the current note's link, if it is a note line with one.
  void OpenCurrentLink();
  // Opens the popup's lastUrl (the link item of either popup).
  void OpenLastUrl();
  // Dials the popup's dialStrings slot `slot` with its calledParty.
  void Dial(int slot);

  // The entry actions of the note line's popup for the current note: "Run" for a program
  // entry, its link, its phone numbers. Also stores what these items' commands act on.
  // Empty when the current line is no note line.
  std::vector<MenuItem> NoteLineItems();
  // The entry detail window's popup items for the text selected there; also stores what
  // their commands act on.
  std::vector<MenuItem> DetailMenuItems(const QString& selectedText);
  // Shows the entry detail window's popup at `pos` (in `detail`'s coordinates) and carries
  // out the chosen item.
  void ShowDetailMenu(QWidget* detail, QPoint pos);

 private:
  const NoteString* NoteAt(int category, int note) const;
  void Apply(const ActionItems& items);
  // A request that could not be carried out is said in a message.
  void Report(const ActionOutcome& outcome);
  void RunProgram(const NoteString& note);
  void ShowStatus(const QString& text);

  ActionSession s_;
  TNoteWindow& notes_;
  CommandTable& commands_;
  DesktopActions& desktop_;
};

}  // namespace zelto
