#include "print/TApxPreviewWin.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStatusBar>
#include <QToolBar>

#include "common/CommandIds.h"
#include "platform/ButtonImages.h"
#include "platform/PaintedIcon.h"
#include "print/PrintRun.h"

namespace zelto {

namespace {

// The tool bar's button images, drawn here so that they follow no theme.
enum class PreviewImage { Previous, Next, OnePage, TwoPages, Print, Close };

// Each image is drawn on a 24 x 24 grid.
void DrawImage(QPainter& p, PreviewImage image) {
  const QColor ink(40, 40, 40);
  p.setPen(QPen(ink, 1.5));
  const auto sheet = [&p](const QRectF& r) {
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3)
      p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
  };
  switch (image) {
    case PreviewImage::Previous:
    case PreviewImage::Next: {
      QPainterPath arrow;
      const bool back = image == PreviewImage::Previous;
      const qreal tip = back ? 5 : 19, base = back ? 15 : 9;
      arrow.moveTo(tip, 12);
      arrow.lineTo(base, 4);
      arrow.lineTo(base, 20);
      arrow.closeSubpath();
      p.setBrush(QColor(30, 80, 160));
      p.drawPath(arrow);
      break;
    }
    case PreviewImage::OnePage:
      sheet(QRectF(6.5, 3.5, 11, 17));
      break;
    case PreviewImage::TwoPages:
      sheet(QRectF(1.5, 4.5, 10, 15));
      p.setPen(QPen(ink, 1.5));
      sheet(QRectF(12.5, 4.5, 10, 15));
      break;
    case PreviewImage::Print:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7.5, 2.5, 9, 8));
      p.setBrush(QColor(150, 150, 150));
      p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7.5, 15.5, 9, 6));
      break;
    case PreviewImage::Close:
      p.setPen(QPen(QColor(170, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(6, 6), QPointF(18, 18));
      p.drawLine(QPointF(18, 6), QPointF(6, 18));
      break;
  }
}

QIcon MakeIcon(PreviewImage image) {
  return PaintedIcon([image](QPainter& p) { DrawImage(p, image); }, 24);
}

QWidget* Spacer(int width) {
  auto* spacer = new QWidget;
  spacer->setFixedWidth(width);
  return spacer;
}

}  // namespace

TPreviewPage::TPreviewPage(TApxPrintout& printout, const PageDevice& printerPage, int n,
                           QWidget* parent)
    : QWidget(parent), printout_(printout), printerPage_(printerPage), n_(n) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewPage::SetPageNumber(int n) {
  if (n == n_) return;
  n_ = n;
  update();
}

void TPreviewPage::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    const QRect target = rect();
    PaintPreviewPage(painter, printout_, printerPage_, target, n_);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(0, 0, -1, -1));
  }
  emit painted();
}

TApxPreviewWin::TApxPreviewWin(QWidget* frame, ListPrintout& layout, const PageDevice& printerPage,
                               QWidget* printedWindow, const QString& title)
    : QMainWindow(frame, Qt::Window),
      frame_(frame),
      printerPage_(printerPage),
      printout_(std::make_unique<TApxPrintout>(title, layout, printedWindow)) {
  // The page area, in the colour of an application's empty workspace.
  pageArea_ = new QWidget;
  pageArea_->setAutoFillBackground(true);
  QPalette palette = pageArea_->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
  pageArea_->setPalette(palette);
  pageArea_->installEventFilter(this);
  setCentralWidget(pageArea_);
  BuildToolBar();
  pageCount_ = new QLabel;
  pageCount_->setObjectName(QStringLiteral("PageCount"));
  statusBar()->addWidget(pageCount_);

  // The preview takes the caption of the frame it stands in for.
  setWindowTitle(frame_ ? frame_->windowTitle().left(255) : title);
  setWindowIcon(ProgramIcon());

  // Page 1 exists until the first paint counts the pages.
  printout_->Pages().minPage = 1;
  printout_->Pages().maxPage = 1;
  page1_ = new TPreviewPage(*printout_, printerPage_, 1, pageArea_);
  connect(page1_, &TPreviewPage::painted, this, &TApxPreviewWin::UpdateEnablers);
  LayOutPages();
  UpdateEnablers();
}

TApxPreviewWin::~TApxPreviewWin() = default;

void TApxPreviewWin::BuildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setMovable(false);
  bar->setFloatable(false);
  QFont font = bar->font();
  font.setPointSize(10);
  bar->setFont(font);
  addToolBar(Qt::TopToolBarArea, bar);

  const auto command = [bar](int id, PreviewImage image, const QString& tip) {
    QAction* action = bar->addAction(MakeIcon(image), tip);
    action->setData(id);
    action->setToolTip(tip);
    return action;
  };
  previous_ = command(CM_PREVPAGE, PreviewImage::Previous, QStringLiteral("Previous page"));
  connect(previous_, &QAction::triggered, this, &TApxPreviewWin::CmPrevious);
  next_ = command(CM_NEXTPAGE, PreviewImage::Next, QStringLiteral("Next page"));
  connect(next_, &QAction::triggered, this, &TApxPreviewWin::CmNext);
  bar->addWidget(Spacer(6));
  onePage_ = command(CM_ONEPAGE, PreviewImage::OnePage, QStringLiteral("One page"));
  twoPages_ = command(CM_TWOPAGE, PreviewImage::TwoPages, QStringLiteral("Two pages"));
  auto* exclusive = new QActionGroup(this);
  for (QAction* action : {onePage_, twoPages_}) {
    action->setCheckable(true);
    exclusive->addAction(action);
  }
  onePage_->setChecked(true);
  connect(onePage_, &QAction::triggered, this, &TApxPreviewWin::CmOnePage);
  connect(twoPages_, &QAction::triggered, this, &TApxPreviewWin::CmTwoPages);
  bar->addWidget(Spacer(12));

  pageText_ = new QLabel(QString::fromStdString(pages_.PageText()));
  pageText_->setObjectName(QString::number(IDG_PAGETEXT));
  pageText_->setTextFormat(Qt::PlainText);
  pageText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pageText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  pageText_->setFont(font);
  pageText_->setFixedWidth(QFontMetrics(font).averageCharWidth() * 10 +
                           2 * pageText_->frameWidth() + 6);
  bar->addWidget(pageText_);
  bar->addWidget(Spacer(20));

  print_ = command(CM_FILEPRINT, PreviewImage::Print, QStringLiteral("Print"));
  connect(print_, &QAction::triggered, this, &TApxPreviewWin::printRequested);
  bar->addWidget(Spacer(20));
  close_ = command(CM_PREVIEWCLOSE, PreviewImage::Close, QStringLiteral("Close"));
  connect(close_, &QAction::triggered, this, &QWidget::close);
}

QAction* TApxPreviewWin::Action(int id) const {
  for (QAction* action : {previous_, next_, onePage_, twoPages_, print_, close_})
    if (action->data().toInt() == id) return action;
  return nullptr;
}

QString TApxPreviewWin::PageText() const { return pageText_->text(); }

QString TApxPreviewWin::PageCountText() const { return pageCount_->text(); }

void TApxPreviewWin::CmPrevious() {
  pages_.Previous(printout_->Pages().minPage);
  ShowPages();
}

void TApxPreviewWin::CmNext() {
  pages_.Next(printout_->Pages().maxPage);
  ShowPages();
}

void TApxPreviewWin::CmOnePage() {
  if (page2_) {
    delete page2_;
    page2_ = nullptr;
    pages_.OnePage();
    LayOutPages();
  }
  ShowPages();
}

void TApxPreviewWin::CmTwoPages() {
  if (!page2_ &&
      PreviewPages::CanShowTwoPages(printerPage_.extent.width(), printerPage_.extent.height())) {
    pages_.ShowTwoPages(printout_->Pages().maxPage);
    page2_ = new TPreviewPage(*printout_, printerPage_, pages_.Page2(), pageArea_);
    connect(page2_, &TPreviewPage::painted, this, &TApxPreviewWin::UpdateEnablers);
    LayOutPages();
    page2_->show();
  }
  ShowPages();
}

void TApxPreviewWin::ShowPages() {
  page1_->SetPageNumber(pages_.Page1());
  if (page2_) page2_->SetPageNumber(pages_.Page2());
  pageText_->setText(QString::fromStdString(pages_.PageText()));
  UpdateEnablers();
}

void TApxPreviewWin::UpdateEnablers() {
  const int maxPage = printout_->Pages().maxPage;
  previous_->setEnabled(pages_.CanPrevious());
  next_->setEnabled(pages_.CanNext(maxPage));
  twoPages_->setEnabled(
      PreviewPages::CanShowTwoPages(printerPage_.extent.width(), printerPage_.extent.height()));
  print_->setEnabled(!printEnabler_ || printEnabler_());
  pageCount_->setText(maxPage == 1 ? QStringLiteral("1 page")
                                   : QStringLiteral("%1 pages").arg(maxPage));
  // The exclusive pair shows the mode in force.
  (page2_ ? twoPages_ : onePage_)->setChecked(true);
}

void TApxPreviewWin::LayOutPages() {
  const PreviewLayout layout = LayoutPreviewPages(
      pageArea_->width(), pageArea_->height(), printerPage_.extent.width(),
      printerPage_.extent.height(), page2_ != nullptr, pageArea_->fontMetrics().height());
  const auto place = [](QWidget* page, const PageBox& box) {
    page->setGeometry(box.x, box.y, box.width, box.height);
  };
  place(page1_, layout.page1);
  if (page2_) place(page2_, layout.page2);
}

void TApxPreviewWin::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool TApxPreviewWin::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pageArea_ && event->type() == QEvent::Resize) LayOutPages();
  return QMainWindow::eventFilter(watched, event);
}

void TApxPreviewWin::closeEvent(QCloseEvent* event) {
  event->accept();
  if (loop_) {
    // The frame comes back at the preview's place; it is not drawn before it is there.
    if (frame_) frame_->setUpdatesEnabled(false);
    loop_->exit(0);
  }
}

int TApxPreviewWin::RunModal() {
  setWindowModality(Qt::ApplicationModal);
  if (frame_) {
    // The preview is not decorated before it is shown: it takes the frame's decoration as
    // its own, so that its outer rectangle is the frame's and not larger.
    const QSize decoration = frame_->frameGeometry().size() - frame_->size();
    const QRect outer = OuterRect(*frame_);
    move(outer.topLeft());
    resize(outer.size() - decoration);
  }
  show();
  if (frame_) frame_->hide();

  QEventLoop loop;
  loop_ = &loop;
  const int result = loop.exec();
  loop_ = nullptr;

  const QRect outer = OuterRect(*this);
  if (handBack_) {
    handBack_(outer);
  } else if (frame_) {
    SetOuterRect(*frame_, outer);
    frame_->show();
  }
  if (frame_) {
    frame_->setUpdatesEnabled(true);
    frame_->update();
  }
  hide();
  return result;
}

QRect TApxPreviewWin::OuterRect(const QWidget& window) { return window.frameGeometry(); }

void TApxPreviewWin::SetOuterRect(QWidget& window, const QRect& outer) {
  const QSize decoration = window.frameGeometry().size() - window.size();
  window.move(outer.topLeft());
  window.resize(outer.size() - decoration);
}

}  // namespace zelto
