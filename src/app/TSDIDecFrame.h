#pragma once
// The program's one top-level window: menu bar, tool bar and status bar around the main
// window (TZeltoWindow). Every menu item, tool-bar button and accelerator sends its command
// along the chain from the focused window to the application object; menu items and
// buttons are enabled and checked by that chain's enablers.
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/CommandTable.h"
#include "platform/CommandRouter.h"
#include "platform/LockKeys.h"

class QLabel;

namespace zelto {

struct Document;
class TZeltoWindow;

class TSDIDecFrame : public QMainWindow, public CommandTarget {
  Q_OBJECT

 public:
  // `app` receives the commands no window takes and decides whether the frame may close;
  // the frame takes over `client`, its main window.
  TSDIDecFrame(ApplicationTarget* app, TZeltoWindow* client);
  // The same with a new main window showing `doc`.
  TSDIDecFrame(ApplicationTarget* app, Document& doc);
  ~TSDIDecFrame() override;

  TZeltoWindow* Client() const { return client_; }
  const CommandRouter& Router() const { return router_; }
  void SetApplication(ApplicationTarget* app);

  // Sends `id` along the chain when it is enabled there; true when someone carried it out.
  bool Execute(int id);
  // Applies the chain's enablers to the items of `menu` (done whenever a menu opens).
  void UpdateMenu(QMenu* menu);
  // Applies the chain's enablers to the tool-bar buttons.
  void UpdateToolBar();

  // The menu-bar action of `id` (the first, when there are several), or nullptr.
  QAction* MenuAction(int id) const;
  // The tool-bar action of `id`, or nullptr.
  QAction* ToolBarAction(int id) const;
  // The Caps Lock, Num Lock and Scroll Lock boxes of the status bar: each shows its key's
  // state, and is hidden where the state is not known.
  void ShowLockKeys(const LockKeyState& state);
  // The boxes, in that order.
  const std::vector<QLabel*>& LockKeyBoxes() const { return lockLabels_; }

  // Lists the recent documents (paths, newest first) in the File menu between the print
  // items and Exit, each sending CM_RECENTFILE1 + its position; an empty list shows none.
  void ShowRecentDocuments(const std::vector<std::string>& paths);
  // The File menu's recent-document items, in order.
  const std::vector<QAction*>& RecentDocumentActions() const { return recentActions_; }

  // Shows in the title which document is open and whether it has unsaved changes:
  // "work.zlt* - " before the program's name ("Untitled" for a document without a file).
  // `fileName` is the document's file name as the file dialogs give it (empty: none).
  void ShowDocument(const std::string& fileName, bool modified);
  // The title's document part for a file name: its last path component, or "Untitled".
  static QString DocumentName(const std::string& fileName);
  QToolBar* ToolBar() const { return toolBar_; }

  // Files from another program dropped anywhere on the window, as the file system names
  // them; handed to `handler`.
  void SetFileDropHandler(std::function<void(const std::vector<std::string>&)> handler);

  bool HandlesCommand(int id) const override { return commands_.HandlesCommand(id); }
  void DoCommand(int id) override { commands_.DoCommand(id); }
  std::optional<bool> Enabled(int id) const override { return commands_.Enabled(id); }
  std::optional<bool> Checked(int id) const override { return commands_.Checked(id); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  void BuildToolBar();
  void BuildAccelerators();
  void BuildStatusBar();
  void UpdateLockIndicators();
  // The smallest size at which the panes, the tool bar and the status bar stay usable.
  QSize UsableMinimumSize() const;
  QAction* NewCommandAction(int id, const QString& text, QObject* owner);
  // The Undo or Redo item (`id`), its text beginning with `prefix`.
  QAction* NewHistoryAction(int id, const QString& prefix, QObject* owner);

  ApplicationTarget* app_;
  TZeltoWindow* client_;
  CommandRouter router_;
  CommandTable commands_;
  std::multimap<int, QAction*> menuActions_;
  std::map<int, QAction*> toolActions_;
  QToolBar* toolBar_ = nullptr;
  std::vector<QLabel*> lockLabels_;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  QString shownDocument_;
  std::function<void(const std::vector<std::string>&)> fileDropHandler_;
};

}  // namespace zelto
