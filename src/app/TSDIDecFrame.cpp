#include "app/TSDIDecFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <algorithm>
#include <iterator>
#include <stack>

#include "app/MenuTable.h"
#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/TZeltoWindow.h"
#include "model/RecentDocuments.h"
#include "platform/ButtonImages.h"
#include "platform/HistoryKeys.h"
#include "platform/LockKeys.h"
#include "platform/Prompter.h"
#include "view/LineDrag.h"

namespace zelto {
namespace {
constexpr const char* kIdProperty = "commandId";
// Set on the menu items that carry keys of their own.
constexpr const char* kKeyedProperty = "hasCommandKeys";

QKeySequence KeyOf(const char* keys) {
  return QKeySequence::fromString(QString::fromLatin1(keys), QKeySequence::PortableText);
}

// The keys of a menu item's command besides its menu text: Exit keeps Alt+F4 with no
// window manager to turn it into a close, and the desktop's usual keys.
QList<QKeySequence> MenuItemKeys(int id) {
  QList<QKeySequence> keys;
  if (id == CM_EXIT) keys << QKeySequence(Qt::ALT | Qt::Key_F4);
  for (const Accelerator& key : DesktopKeyTable())
    if (key.id == id) keys << KeyOf(key.keys);
  return keys;
}
}  // namespace

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
  // Boxes that name no caption of their own carry the program's name, not the document's.
  Prompter::SetOwner(this, QString::fromLatin1(ApplicationName));

  // The tool bar follows the enablers whenever what they look at may have changed.
  connect(qApp, &QApplication::focusChanged, this, &TSDIDecFrame::UpdateToolBar);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TSDIDecFrame::UpdateToolBar);
  connect(client_, &TZeltoWindow::CategorySelectionChanged, this, &TSDIDecFrame::UpdateToolBar);
  connect(&client_->History().Stack(), &QUndoStack::indexChanged, this,
          &TSDIDecFrame::UpdateToolBar);
  qApp->installEventFilter(this);
  setAcceptDrops(true);
  UpdateToolBar();
  setMinimumSize(UsableMinimumSize());
  client_->setFocus(Qt::OtherFocusReason);
}

TSDIDecFrame::TSDIDecFrame(ApplicationTarget* app, Document& doc)
    : TSDIDecFrame(app, new TZeltoWindow(doc)) {}

TSDIDecFrame::~TSDIDecFrame() {
  // The widgets still change focus while they are torn down: nothing may reach this frame.
  disconnect(qApp, nullptr, this, nullptr);
  disconnect(QApplication::clipboard(), nullptr, this, nullptr);
  disconnect(client_, nullptr, this, nullptr);
  disconnect(&client_->History().Stack(), nullptr, this, nullptr);
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

QAction* TSDIDecFrame::NewHistoryAction(int id, const QString& prefix, QObject* owner) {
  // The history's own actions: their text names the step ("&Undo Delete Note") and they
  // are grey while there is nothing to undo or redo.
  QUndoStack& stack = client_->History().Stack();
  const bool undo = id == CM_EDITUNDO;
  QAction* action =
      undo ? stack.createUndoAction(owner, prefix) : stack.createRedoAction(owner, prefix);
  action->setProperty(kIdProperty, id);
  action->setStatusTip(QString::fromLatin1(CommandHint(id)));
  action->setShortcuts(undo ? UndoKeys() : RedoKeys());
  action->setShortcutContext(Qt::WindowShortcut);
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
        // A grey item would swallow its key until the menu opens again: once the menu is
        // closed, the keys reach their command, whose enabler decides at that moment.
        connect(menu, &QMenu::aboutToHide, this, [menu] {
          for (QAction* action : menu->actions())
            if (action->property(kKeyedProperty).toBool()) action->setEnabled(true);
        });
        open.push(menu);
        break;
      }
      case MenuEntry::Kind::Item: {
        const QString text = QString::fromLatin1(entry.text);
        QAction* action = entry.id == CM_EDITUNDO || entry.id == CM_EDITREDO
                              ? NewHistoryAction(entry.id, text, open.top())
                              : NewCommandAction(entry.id, text, open.top());
        if (const QList<QKeySequence> keys = MenuItemKeys(entry.id); !keys.isEmpty()) {
          action->setShortcuts(keys);
          action->setShortcutContext(Qt::WindowShortcut);
          action->setProperty(kKeyedProperty, true);
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
    action->setShortcut(KeyOf(accel.keys));
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

void TSDIDecFrame::UpdateLockIndicators() { ShowLockKeys(QueryLockKeys()); }

void TSDIDecFrame::ShowLockKeys(const LockKeyState& state) {
  const std::optional<bool> keys[] = {state.capsLock, state.numLock, state.scrollLock};
  for (std::size_t i = 0; i < lockLabels_.size() && i < std::size(keys); ++i) {
    // A box whose state the window system does not tell would only mislead.
    lockLabels_[i]->setVisible(keys[i].has_value());
    lockLabels_[i]->setEnabled(keys[i].value_or(false));
  }
}

QSize TSDIDecFrame::UsableMinimumSize() const {
  const QFontMetrics fm(font());
  // Every tool-bar button in view, the status bar's hints beside the lock-key boxes, and a
  // category list (a fifth of the width) that shows a short name whole.
  const int width = std::max(toolBar_->sizeHint().width() + 2 * fm.averageCharWidth(),
                             80 * fm.averageCharWidth());
  // Some lines in the note window, two in the detail strip (a fifth of the height).
  const int panes = 16 * fm.lineSpacing();
  const int height = menuBar()->sizeHint().height() + toolBar_->sizeHint().height() +
                     statusBar()->sizeHint().height() + panes;
  return {width, height};
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

void TSDIDecFrame::ShowRecentDocuments(const std::vector<std::string>& paths) {
  QAction* exit = MenuAction(CM_EXIT);
  auto* fileMenu = exit ? qobject_cast<QMenu*>(exit->parent()) : nullptr;
  if (fileMenu == nullptr) return;
  for (QAction* action : recentActions_) delete action;
  recentActions_.clear();
  delete recentSeparator_;
  recentSeparator_ = nullptr;
  if (paths.empty()) return;
  // After the separator that follows the print items; one more keeps Exit apart.
  for (std::size_t i = 0;
       i < paths.size() && CM_RECENTFILE1 + static_cast<int>(i) <= CM_RECENTFILELAST; ++i) {
    const int id = CM_RECENTFILE1 + static_cast<int>(i);
    const QByteArray text = QByteArray::fromStdString(RecentMenuText(i + 1, paths[i]));
    auto* action = new QAction(QFile::decodeName(text), fileMenu);
    action->setProperty(kIdProperty, id);
    action->setStatusTip(
        QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(paths[i]))));
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    fileMenu->insertAction(exit, action);
    recentActions_.push_back(action);
  }
  recentSeparator_ = fileMenu->insertSeparator(exit);
}

QString TSDIDecFrame::DocumentName(const std::string& fileName) {
  if (fileName.empty()) return QStringLiteral("Untitled");
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(fileName))).fileName();
}

void TSDIDecFrame::ShowDocument(const std::string& fileName, bool modified) {
  const QString name = DocumentName(fileName);
  if (name != shownDocument_) {
    shownDocument_ = name;
    // "[*]" is where Qt shows the unsaved-changes marker while the window is modified; one
    // in the file name itself is written twice so that it shows as it is.
    QString escaped = name;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(escaped + QStringLiteral("[*] - ") + QString::fromLatin1(ApplicationName));
  }
  // Only a change is passed on: every call would rewrite the window's title property, and
  // the window system's answer to that would wake the program up to call this again.
  if (modified != isWindowModified()) setWindowModified(modified);
}

void TSDIDecFrame::SetFileDropHandler(
    std::function<void(const std::vector<std::string>&)> handler) {
  fileDropHandler_ = std::move(handler);
}

void TSDIDecFrame::dragEnterEvent(QDragEnterEvent* event) {
  const std::optional<OutsideDrop> drop = OutsideDropOf(*event);
  if (fileDropHandler_ && drop && !drop->files.isEmpty())
    event->acceptProposedAction();
  else
    event->ignore();
}

void TSDIDecFrame::dropEvent(QDropEvent* event) {
  const std::optional<OutsideDrop> drop = OutsideDropOf(*event);
  if (!fileDropHandler_ || !drop || drop->files.isEmpty()) {
    event->ignore();
    return;
  }
  std::vector<std::string> paths;
  for (const QString& file : drop->files) paths.push_back(QFile::encodeName(file).toStdString());
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // The other program's drag ends first; the questions of opening come after.
  QMetaObject::invokeMethod(
      this, [this, paths] { fileDropHandler_(paths); }, Qt::QueuedConnection);
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
