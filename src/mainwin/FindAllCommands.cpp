#include "mainwin/FindAllCommands.h"

#include <QDockWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMainWindow>

#include "common/CommandIds.h"
#include "common/CommandTable.h"
#include "mainwin/FindAllList.h"
#include "mainwin/FindAllPane.h"
#include "mainwin/SearchCommands.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"

namespace zelto {
namespace {

// The window's thread copies for this long at a time, then paints and takes input again.
constexpr qint64 CopySliceMs = 8;
// How often an open pane looks whether the document changed.
constexpr int FollowIntervalMs = 100;

QString Number(std::size_t n) { return QLocale(QLocale::English).toString(qulonglong{n}); }

QString CountText(std::size_t count, bool done) {
  QString text = count == 1 ? QStringLiteral("1 hit") : Number(count) + QStringLiteral(" hits");
  if (count > FindAllScan::ListLimit)
    text += QStringLiteral("; the first ") + Number(FindAllScan::ListLimit) +
            QStringLiteral(" are listed");
  if (!done) text += QStringLiteral(" so far...");
  return text;
}

}  // namespace

FindAllCommands::FindAllCommands(const Document& doc, SearchState& state, SearchCommands& search,
                                 CommandTable& commands, QWidget* window, QObject* parent)
    : QObject(parent), doc_(doc), state_(state), shower_(search), window_(window) {
  commands.Add(CM_FINDALL, [this] { Open(); });
  copyTimer_.setInterval(0);
  connect(&copyTimer_, &QTimer::timeout, this, &FindAllCommands::CopyStep);
  connect(&search_, &FindAllSearch::Found, this, &FindAllCommands::OnFound);
  // Every change to the document counts a new revision; a look at it now and then finds
  // the changes of every command, key and dialog.
  followTimer_.setInterval(FollowIntervalMs);
  connect(&followTimer_, &QTimer::timeout, this, &FindAllCommands::FollowDocument);
}

FindAllCommands::~FindAllCommands() {
  search_.Cancel();
  search_.Wait();
  delete dock_;
}

void FindAllCommands::CreatePane() {
  QWidget* top = window_ ? window_->window() : nullptr;
  auto* frame = qobject_cast<QMainWindow*>(top);
  dock_ = new QDockWidget(QStringLiteral("Find all"), frame ? static_cast<QWidget*>(frame) : top);
  dock_->setObjectName(QStringLiteral("FindAllDock"));
  pane_ = new FindAllPane(dock_);
  dock_->setWidget(pane_);
  dock_->setFocusProxy(pane_);
  if (frame) {
    frame->addDockWidget(Qt::BottomDockWidgetArea, dock_);
  } else {
    dock_->setFloating(true);  // a tool window beside a main window without a frame
  }
  connect(pane_, &FindAllPane::TextChanged, this, &FindAllCommands::OnTextChanged);
  connect(pane_, &FindAllPane::HitChosen, this, &FindAllCommands::GoToRow);
  connect(pane_, &FindAllPane::CloseRequested, this, &FindAllCommands::Close);
  connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (!visible && dock_->isHidden()) Close();
  });
}

void FindAllCommands::Open() {
  if (!dock_) CreatePane();
  dock_->show();
  dock_->raise();
  followTimer_.start();
  pane_->Field()->setFocus(Qt::ShortcutFocusReason);
  pane_->Field()->selectAll();
  if (textUsable_)
    StartSearch();
  else if (!CopyIsCurrent())
    StartCopy();  // ready before the first key, on a large document too
}

void FindAllCommands::Close() {
  search_.Cancel();
  followTimer_.stop();
  copyTimer_.stop();
  copier_.Restart();
  if (pane_) pane_->Model().Reset(nullptr, {});
  copy_.reset();  // a large document's copy is let go while nobody searches
  if (dock_ && !dock_->isHidden()) dock_->hide();
  if (window_) window_->setFocus(Qt::OtherFocusReason);
}

void FindAllCommands::OnTextChanged(const QString& text) {
  const Cp1252::Encoded encoded = Cp1252::Encode(text);
  text_ = encoded.bytes;
  // An empty field lists nothing; a character no note can hold is in no note.
  textUsable_ = !text.isEmpty() && encoded.Ok();
  if (!textUsable_) {
    search_.Cancel();
    pane_->Model().Reset(nullptr, {});
    pane_->ShowCount(text.isEmpty() ? QString() : QStringLiteral("No hits"));
    return;
  }
  StartSearch();
}

bool FindAllCommands::CopyIsCurrent() const {
  return copy_ && copyRevision_ == doc_.modified.Revision();
}

void FindAllCommands::StartSearch() {
  if (!textUsable_ || !pane_) return;
  if (!CopyIsCurrent()) {
    search_.Cancel();
    pane_->ShowCount(QStringLiteral("Searching..."));
    StartCopy();
    return;
  }
  pane_->Model().Reset(copy_, text_);
  pane_->ShowCount(QStringLiteral("Searching..."));
  search_.Start(copy_, text_);
}

void FindAllCommands::OnFound(const std::vector<SearchHit>& hits, qulonglong count, bool done) {
  pane_->Model().Append(hits);
  pane_->ShowCount(count == 0 && done ? QStringLiteral("No hits")
                                      : CountText(static_cast<std::size_t>(count), done));
}

void FindAllCommands::StartCopy() {
  if (copyTimer_.isActive()) return;
  copier_.Restart();
  copierRevision_ = doc_.modified.Revision();
  copyTimer_.start();
}

void FindAllCommands::CopyStep() {
  if (copierRevision_ != doc_.modified.Revision()) {  // changed in between: from the start
    copier_.Restart();
    copierRevision_ = doc_.modified.Revision();
  }
  QElapsedTimer slice;
  slice.start();
  if (!copier_.Step(doc_.tabs, [&slice] { return slice.elapsed() >= CopySliceMs; })) return;
  copyTimer_.stop();
  copy_ = std::make_shared<const TabList>(copier_.Take());
  copyRevision_ = copierRevision_;
  StartSearch();
}

void FindAllCommands::FollowDocument() {
  if (!dock_ || dock_->isHidden() || !textUsable_) return;
  if (!CopyIsCurrent() && !copyTimer_.isActive()) StartSearch();
}

void FindAllCommands::GoToRow(int row) {
  const auto& hits = pane_->Model().Hits();
  if (row < 0 || static_cast<std::size_t>(row) >= hits.size()) return;
  if (!CopyIsCurrent() || pane_->Model().Tabs() != copy_) {
    // The document changed since the list was made: the list is made again first.
    Prompter::Beep();
    StartSearch();
    return;
  }
  // Next goes on after the hit, with the text of the pane.
  state_.searchText = text_;
  shower_.GoTo(hits[static_cast<std::size_t>(row)]);
}

}  // namespace zelto
