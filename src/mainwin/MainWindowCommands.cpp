#include "mainwin/MainWindowCommands.h"

#include "mainwin/ActionCommands.h"
#include "mainwin/ConfigCommands.h"
#include "mainwin/FindAllCommands.h"
#include "mainwin/SearchCommands.h"
#include "mainwin/TZeltoWindow.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto {

MainWindowCommands::MainWindowCommands(const MainWindowSession& session, TZeltoWindow& window,
                                       std::unique_ptr<DesktopActions> desktop)
    : QObject(&window),
      desktop_(desktop ? std::move(desktop) : std::make_unique<SystemDesktopActions>()) {
  setObjectName(QStringLiteral("MainWindowCommands"));
  config_ = new ConfigCommands(ConfigSession{session.settings, session.store, session.screenFont,
                                             session.doc.tabs, session.commandHint},
                               window);
  config_->AddTo(window.Commands());

  auto* notes = qobject_cast<TNoteWindow*>(window.NoteView());
  if (notes == nullptr) return;
  actions_ = new ActionCommands(
      ActionSession{session.doc, session.settings, session.popup, session.permissions}, *notes,
      window.Commands(), *desktop_, this);
  search_ = new SearchCommands(session.doc, session.search, *notes, *window.CatList(),
                               window.Commands(), &window, this);
  findAll_ =
      new FindAllCommands(session.doc, session.search, *search_, window.Commands(), &window, this);

  connect(&window, &TZeltoWindow::OpenLinkRequested, actions_, &ActionCommands::OpenCurrentLink);
  // The entry detail window's own popup offers its selection as a link or a number.
  TOneEdit* detail = window.EntryLine();
  // A search hit shows there with the text found selected.
  connect(search_, &SearchCommands::MatchShown, detail,
          [detail](const QString& text, int start, int length) {
            detail->ShowText(text);
            detail->SelectText(start, length);
          });
  connect(detail, &TOneEdit::DetailMenuRequested, this, [this, detail](const QPoint& pos) {
    actions_->ShowDetailMenu(detail, detail->viewport()->mapTo(detail, pos));
  });
}

MainWindowCommands::~MainWindowCommands() = default;

MainWindowCommands* MainWindowCommands::Of(const TZeltoWindow& window) {
  return window.findChild<MainWindowCommands*>(QStringLiteral("MainWindowCommands"),
                                               Qt::FindDirectChildrenOnly);
}

}  // namespace zelto
