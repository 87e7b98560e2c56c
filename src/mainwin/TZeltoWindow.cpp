#include "mainwin/TZeltoWindow.h"

#include <QResizeEvent>

#include "app/CommandIds.h"
#include "app/CommandRouter.h"
#include "platform/Cp1252.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

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

TZeltoWindow::TZeltoWindow(Document& doc, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ZeltoWindow"));
  catList_ = new TCatWindow(this);
  noteView_ = new TNoteWindow(doc, catList_, this);
  noteView_->setObjectName(QStringLiteral("NoteView"));
  entryLine_ = CreateEntryLine(this);
  entryLine_->setObjectName(QStringLiteral("EntryLine"));
  connect(catList_, &TCatWindow::SelectionChangedByUser, this, &TZeltoWindow::OnCategorySelected);
  connect(catList_, &TCatWindow::LeftClicked, this, &TZeltoWindow::OnCategoryListClick);
  connect(catList_, &TCatWindow::RightClicked, this, &TZeltoWindow::OnCategoryListRightClick);
  connect(noteView_, &TNoteWindow::DetailTextChanged, entryLine_, &QLineEdit::setText);

  // Copy, Paste and Run stop at the note window when it has the focus; it hands them back
  // here as requests, which this window's own commands carry out.
  for (int id : {CM_EDITCOPY, CM_EDITPASTE, CM_RUN}) {
    noteViewCommands_.Add(id, [this, id] { noteView_->HandleCommand(id); });
  }
  SetCommandTarget(noteView_, &noteViewCommands_);
  connect(noteView_, &TNoteWindow::ContextMenuRequested, this, [this](const QPoint& globalPos) {
    emit ContextMenuRequested(mapFromGlobal(globalPos), true);
  });
  connect(noteView_, &TNoteWindow::CopyNoteRequested, this,
          [this] { commands_.DoCommand(CM_EDITCOPY); });
  connect(noteView_, &TNoteWindow::PasteNoteRequested, this,
          [this] { commands_.DoCommand(CM_EDITPASTE); });
  connect(noteView_, &TNoteWindow::RunProgramRequested, this,
          [this] { commands_.DoCommand(CM_RUN); });
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
  NoteViewLook noteLook;
  noteLook.CatColor = look_.catColor;
  noteLook.MainColor = look_.mainColor;
  noteLook.ExecColor = look_.execColor;
  noteLook.NoPrintColor = look_.noPrintColor;
  noteLook.screenFont = font;
  noteLook.MultiLine = look_.multiLine;
  noteView_->SetLook(noteLook);
  noteView_->SetLineHeight(look_.screenFontSize);
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
  // The note window shows the newly selected category from its first line.
  noteView_->SetCurrentLine(0);
  const int category = catList_->SelectedCategory();
  if (category != CategoryList::None) {
    noteView_->Lines().currentCategory = category;
    noteView_->CountLines();
  }
  noteView_->viewport()->update();
  noteView_->ScrollTo(0);
  emit CategorySelectionChanged(category);
}

void TZeltoWindow::OnCategoryListClick() {
  noteView_->CountLines();
  // A click never leaves the focus in the list.
  noteView_->setFocus(Qt::MouseFocusReason);
}

void TZeltoWindow::OnCategoryListRightClick(QPoint pos) {
  // The note window shows the newly selected category before the menu opens.
  noteView_->viewport()->repaint();
  pos.rx() += catList_->x();
  emit ContextMenuRequested(pos, false);
}

}  // namespace zelto
