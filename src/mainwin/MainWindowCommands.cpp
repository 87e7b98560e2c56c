#include "mainwin/MainWindowCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>

#include "app/TZeltoApp.h"
#include "mainwin/ActionCommands.h"
#include "mainwin/ConfigCommands.h"
#include "mainwin/SearchCommands.h"
#include "mainwin/TZeltoWindow.h"
#include "mainwin/WebLinks.h"
#include "platform/Cp1252.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {

MainWindowCommands::MainWindowCommands(TZeltoApp& app, TZeltoWindow& window,
                                       std::unique_ptr<DesktopActions> desktop)
    : QObject(&window),
      desktop_(desktop ? std::move(desktop) : std::make_unique<SystemDesktopActions>()) {
  setObjectName(QStringLiteral("MainWindowCommands"));
  config_ = new ConfigCommands(app, window);
  config_->AddTo(window.Commands());

  auto* notes = qobject_cast<TNoteWindow*>(window.NoteView());
  if (notes == nullptr) return;
  actions_ = new ActionCommands(app, *notes, window.Commands(), *desktop_, this);
  search_ = new SearchCommands(app, *notes, window.Commands(), &window, this);

  connect(&window, &TZeltoWindow::OpenLinkRequested, actions_, &ActionCommands::OpenCurrentLink);
  connect(&window, &TZeltoWindow::ContextMenuRequested, this,
          [this, &app, &window](QPoint pos, bool fromNoteWindow) {
            ShowContextMenu(app, window, pos, fromNoteWindow);
          });

  // The entry detail window's own popup offers its selection as a link or a number.
  QWidget* detail = window.EntryLine();
  detail->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(detail, &QWidget::customContextMenuRequested, this,
          [this, detail](const QPoint& pos) { actions_->ShowDetailMenu(detail, pos); });
}

MainWindowCommands::~MainWindowCommands() = default;

std::vector<MenuItem> MainWindowCommands::ContextMenuItems(TZeltoApp& app, TZeltoWindow& window,
                                                           bool fromNoteWindow) {
  TNoteWindow& notes = *window.NoteView();
  ContextMenuState state;
  DescribeCurrentLine(notes.Lines(), app.doc.tabs, window.CatList()->SelectedCategory(), state);
  state.fromNoteWindow = fromNoteWindow;
  state.clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
  state.cutPending = app.doc.cutPending;
  state.defaultCat = app.DefaultCat;
  // What the current note can do comes last, and only for a note line clicked there.
  if (fromNoteWindow && state.lineKind == LineKind::NoteLine)
    state.noteActions = actions_->NoteLineItems();
  return ComposeContextMenu(app.doc.tabs, state);
}

void MainWindowCommands::ShowContextMenu(TZeltoApp& app, TZeltoWindow& window, QPoint pos,
                                         bool fromNoteWindow) {
  const std::vector<MenuItem> items = ContextMenuItems(app, window, fromNoteWindow);
  QMenu menu(&window);
  for (const MenuItem& item : items) {
    QAction* action = menu.addAction(Cp1252::Decode(MenuLiteral(item.text)));
    action->setData(item.id);
    action->setEnabled(item.enabled);
  }
  const QAction* chosen = menu.exec(window.mapToGlobal(pos));
  // The chosen item comes back as a command to the main window.
  if (chosen != nullptr) window.DoCommand(chosen->data().toInt());
}

MainWindowCommands* MainWindowCommands::Of(const TZeltoWindow& window) {
  return window.findChild<MainWindowCommands*>(QStringLiteral("MainWindowCommands"),
                                               Qt::FindDirectChildrenOnly);
}

}  // namespace zelto
