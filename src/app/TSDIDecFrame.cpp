#include "app/TSDIDecFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <stack>

#include "app/MenuTable.h"
#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/ButtonImages.h"
#include "platform/LockKeys.h"
#include "platform/Prompter.h"

namespace zelto {
namespace {
constexpr const char* kIdProperty = "commandId";
}

TSDIDecFrame::TSDIDecFrame(ApplicationTarget* app, TZeltoWindow* client)
    : app_(app), client_(client), router_(this, app) {
  setWindowTitle(QString::fromLatin1(ApplicationName));
  setWindowIcon(ProgramIcon());
  setCentralWidget(client_);
  router_.SetFallbackStart(client_);
  commands_.Add(CM_EXIT, [this] { close(); });

  BuildMenuBar();
  BuildToolBar();
  BuildAccelerators();
  BuildStatusBar();
  Prompter::SetOwner(this);

  // The tool bar follows the enablers whenever what they look at may have changed.
  connect(qApp, &QApplication::focusChanged, this, &TSDIDecFrame::UpdateToolBar);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TSDIDecFrame::UpdateToolBar);
  connect(client_, &TZeltoWindow::CategorySelectionChanged, this, &TSDIDecFrame::UpdateToolBar);
  qApp->installEventFilter(this);
  UpdateToolBar();
  client_->setFocus(Qt::OtherFocusReason);
}

TSDIDecFrame::TSDIDecFrame(ApplicationTarget* app, Document& doc)
    : TSDIDecFrame(app, new TZeltoWindow(doc)) {}

TSDIDecFrame::~TSDIDecFrame() {
  // The widgets still change focus while they are torn down: nothing may reach this frame.
  disconnect(qApp, nullptr, this, nullptr);
  disconnect(QApplication::clipboard(), nullptr, this, nullptr);
  disconnect(client_, nullptr, this, nullptr);
  qApp->removeEventFilter(this);
  if (Prompter::Owner() == this) Prompter::SetOwner(nullptr);
}

void TSDIDecFrame::SetApplication(ApplicationTarget* app) {
  app_ = app;
  router_.SetApplication(app);
  UpdateToolBar();
}

QAction* TSDIDecFrame::NewCommandAction(int id, const QString& text, QObject* owner) {
  auto* action = new QAction(text, owner);
  action->setProperty(kIdProperty, id);
  action->setStatusTip(QString::fromLatin1(CommandHint(id)));
  connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
  return action;
}

void TSDIDecFrame::BuildMenuBar() {
  std::stack<QMenu*> open;
  for (const MenuEntry& entry : MainMenuTable()) {
    switch (entry.kind) {
      case MenuEntry::Kind::Popup: {
        const QString title = QString::fromLatin1(entry.text);
        QMenu* menu = open.empty() ? menuBar()->addMenu(title) : open.top()->addMenu(title);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
        open.push(menu);
        break;
      }
      case MenuEntry::Kind::Item: {
        QAction* action = NewCommandAction(entry.id, QString::fromLatin1(entry.text), open.top());
        if (entry.id == CM_EXIT) {
          // Exit keeps its key with no window manager to turn Alt+F4 into a close.
          action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
          action->setShortcutContext(Qt::WindowShortcut);
        }
        open.top()->addAction(action);
        menuActions_.emplace(entry.id, action);
        break;
      }
      case MenuEntry::Kind::Separator:
        open.top()->addSeparator();
        break;
      case MenuEntry::Kind::End:
        open.pop();
        break;
    }
  }
}

void TSDIDecFrame::BuildToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
  toolBar_->setObjectName(QStringLiteral("Toolbar"));
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setIconSize(QSize(16, 16));
  for (const ToolButton& button : ToolBarTable()) {
    if (button.id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = NewCommandAction(button.id, QString::fromLatin1(button.name), toolBar_);
    action->setIcon(ButtonImage(button.id));
    action->setToolTip(QString::fromLatin1(button.name));
    toolBar_->addAction(action);
    toolActions_[button.id] = action;
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void TSDIDecFrame::BuildAccelerators() {
  for (const Accelerator& accel : AcceleratorTable()) {
    auto* action = new QAction(this);
    action->setShortcut(
        QKeySequence::fromString(QString::fromLatin1(accel.keys), QKeySequence::PortableText));
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = accel.id;
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    addAction(action);
  }
}

void TSDIDecFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  for (const char* name : {"CAPS", "NUM", "SCRL"}) {
    auto* label = new QLabel(QString::fromLatin1(name), bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
    bar->addPermanentWidget(label);
    lockLabels_.push_back(label);
  }
  UpdateLockIndicators();
}

void TSDIDecFrame::UpdateLockIndicators() {
  const std::optional<LockKeyState> state = QueryLockKeys();
  const bool on[] = {state && state->capsLock, state && state->numLock, state && state->scrollLock};
  for (std::size_t i = 0; i < lockLabels_.size(); ++i) {
    // Where the window system cannot tell the state the indicators are not shown at all.
    lockLabels_[i]->setVisible(state.has_value());
    lockLabels_[i]->setEnabled(on[i]);
  }
}

bool TSDIDecFrame::Execute(int id) {
  bool done = false;
  if (router_.State(id).enabled) done = router_.Dispatch(id);
  UpdateToolBar();
  return done;
}

void TSDIDecFrame::UpdateMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    const QVariant id = action->property(kIdProperty);
    if (!id.isValid()) continue;
    const CommandState state = router_.State(id.toInt());
    action->setEnabled(state.enabled);
    action->setCheckable(state.checked);
    action->setChecked(state.checked);
  }
}

void TSDIDecFrame::UpdateToolBar() {
  for (auto& [id, action] : toolActions_) action->setEnabled(router_.State(id).enabled);
}

QAction* TSDIDecFrame::MenuAction(int id) const {
  const auto it = menuActions_.find(id);
  return it == menuActions_.end() ? nullptr : it->second;
}

QAction* TSDIDecFrame::ToolBarAction(int id) const {
  const auto it = toolActions_.find(id);
  return it == toolActions_.end() ? nullptr : it->second;
}

void TSDIDecFrame::closeEvent(QCloseEvent* event) {
  if (app_ != nullptr && !app_->CloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

bool TSDIDecFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease || event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock) {
      UpdateLockIndicators();
    }
  } else if (event->type() == QEvent::ApplicationActivate) {
    UpdateLockIndicators();
    UpdateToolBar();
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace zelto
