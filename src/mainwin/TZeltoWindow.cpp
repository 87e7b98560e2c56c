#include "mainwin/TZeltoWindow.h"

#include <QResizeEvent>

#include "platform/Cp1252.h"
#include "view/TCatWindow.h"

namespace zelto {
namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QFont ScreenFontOf(const ScreenLook& look) {
  QFont font(Cp1252::Decode(look.screenFont));
  if (look.screenFontSize > 0) font.setPixelSize(look.screenFontSize);
  return font;
}

void SetTextOnWhite(QWidget* w, const QColor& text) {
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Text, text);
    pal.setColor(group, QPalette::Base, Qt::white);
  }
  w->setPalette(pal);
}

}  // namespace

TZeltoWindow::TZeltoWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ZeltoWindow"));
  catList_ = new TCatWindow(this);
  noteView_ = CreateNoteView(this);
  entryLine_ = CreateEntryLine(this);
  entryLine_->setObjectName(QStringLiteral("EntryLine"));
  connect(catList_, &TCatWindow::SelectionChangedByUser, this, &TZeltoWindow::OnCategorySelected);
  connect(catList_, &TCatWindow::LeftClicked, this, [this] {
    emit CategoryListClicked();
    noteView_->setFocus(Qt::MouseFocusReason);
  });
  connect(catList_, &TCatWindow::RightClicked, this, &TZeltoWindow::OnCategoryListRightClick);
  SetLook(look_);
  noteView_->setFocus(Qt::OtherFocusReason);
  setFocusProxy(noteView_);
}

TZeltoWindow::~TZeltoWindow() {
  // The children go in this order: category list, note window, entry detail window.
  delete catList_;
  delete noteView_;
  delete entryLine_;
}

void TZeltoWindow::SetLook(const ScreenLook& look) {
  look_ = look;
  const QFont font = ScreenFontOf(look_);
  catList_->SetScreenFont(font);
  catList_->SetTextColor(ToQColor(look_.catColor));
  noteView_->setFont(font);
  entryLine_->setFont(font);
  SetTextOnWhite(entryLine_, ToQColor(look_.detailColor));
  LayOut();
}

PaneLayout TZeltoWindow::CurrentLayout() const {
  return LayoutPanes(width(), height(), look_.horizRatio, look_.vertRatio);
}

void TZeltoWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void TZeltoWindow::LayOut() {
  const auto place = [](QWidget* w, const PaneRect& r) {
    w->setGeometry(r.left, r.top, r.width, r.height);
  };
  const PaneLayout layout = LayoutPanes(width(), height(), look_.horizRatio, look_.vertRatio,
                                        [&](const PaneRect& list) {
                                          place(catList_, list);
                                          return catList_->height();
                                        });
  place(noteView_, layout.noteView);
  place(entryLine_, layout.entryLine);
}

void TZeltoWindow::OnCategorySelected() {
  emit CategorySelectionChanged(catList_->SelectedCategory());
}

void TZeltoWindow::OnCategoryListRightClick(QPoint pos) {
  // The note window shows the newly selected category before the menu opens.
  noteView_->repaint();
  pos.rx() += catList_->x();
  emit ContextMenuRequested(pos, false);
}

}  // namespace zelto
