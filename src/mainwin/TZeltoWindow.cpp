#include "mainwin/TZeltoWindow.h"

#include <QGuiApplication>
#include <QResizeEvent>

#include "common/CommandIds.h"
#include "dialogs/FaceTable.h"
#include "mainwin/DocumentHistory.h"
#include "mainwin/KeyTable.h"
#include "mainwin/LineTarget.h"
#include "model/Document.h"
#include "platform/CommandRouter.h"
#include "platform/Cp1252.h"
#include "platform/HelpWindow.h"
#include "platform/Prompter.h"
#include "platform/ScreenFont.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"
#include "view/TOneEdit.h"

namespace zelto {
namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QFont ScreenFontOf(const ScreenLook& look) {
  return MakeScreenFont(look.screenFont, look.screenFontSize);
}

MainKey MainKeyOf(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return MainKey::Enter;
    case Qt::Key_PageUp:
      return MainKey::PageUp;
    case Qt::Key_PageDown:
      return MainKey::PageDown;
    case Qt::Key_Home:
      return MainKey::Home;
    case Qt::Key_End:
      return MainKey::End;
    case Qt::Key_Up:
      return MainKey::Up;
    case Qt::Key_Down:
      return MainKey::Down;
    case Qt::Key_Delete:
      return MainKey::Delete;
    case Qt::Key_D:
      return MainKey::D;
    case Qt::Key_E:
      return MainKey::E;
    case Qt::Key_L:
      return MainKey::L;
    case Qt::Key_F1:
      return MainKey::F1;
    default:
      break;
  }
  return MainKey::Other;
}

int QtKeyOf(NoteKey key) {
  switch (key) {
    case NoteKey::PageUp:
      return Qt::Key_PageUp;
    case NoteKey::PageDown:
      return Qt::Key_PageDown;
    case NoteKey::Home:
      return Qt::Key_Home;
    case NoteKey::End:
      return Qt::Key_End;
    case NoteKey::Up:
      return Qt::Key_Up;
    case NoteKey::Down:
      break;
  }
  return Qt::Key_Down;
}

// Alt and the system keys belong to the menus, as they do where Alt+key never reaches a
// window as an ordinary key.
bool MenuModifiers(Qt::KeyboardModifiers modifiers) {
  return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) != 0;
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
  connect(noteView_, &TNoteWindow::DetailTextChanged, entryLine_, &TOneEdit::ShowText);
  connect(entryLine_, &TOneEdit::FocusBackRequested, noteView_, [this] { noteView_->setFocus(); });
  connect(entryLine_, &TOneEdit::PasteNoteRequested, this,
          [this] { commands_.DoCommand(CM_EDITPASTE); });
  connect(entryLine_, &TOneEdit::CopyNoteRequested, this,
          [this] { commands_.DoCommand(CM_EDITCOPY); });

  // Copy, Paste and Run stop at the note window when it has the focus; it hands them back
  // here as requests, which this window's own commands carry out.
  for (int id : {CM_EDITCOPY, CM_EDITPASTE, CM_RUN}) {
    noteViewCommands_.Add(id, [this, id] { noteView_->HandleCommand(id); });
  }
  SetCommandTarget(noteView_, &noteViewCommands_);
  connect(noteView_, &TNoteWindow::KeyDown, this, &TZeltoWindow::OnKeyDown);
  connect(noteView_, &TNoteWindow::CharacterTyped, this, &TZeltoWindow::OnCharacter);
  connect(noteView_, &TNoteWindow::AddNoteRequested, this,
          [this] { commands_.DoCommand(CM_ADDNOTE); });
  connect(noteView_, &TNoteWindow::ContextMenuRequested, this, [this](const QPoint& globalPos) {
    emit ContextMenuRequested(mapFromGlobal(globalPos), true);
  });
  connect(noteView_, &TNoteWindow::CopyNoteRequested, this,
          [this] { commands_.DoCommand(CM_EDITCOPY); });
  connect(noteView_, &TNoteWindow::PasteNoteRequested, this,
          [this] { commands_.DoCommand(CM_EDITPASTE); });
  connect(noteView_, &TNoteWindow::RunProgramRequested, this,
          [this] { commands_.DoCommand(CM_RUN); });
  // Undo and Redo of the document, from the keys and the accelerator table's Alt+Backspace.
  history_ = new DocumentHistory(doc, this);
  commands_.Add(
      CM_EDITUNDO, [this] { history_->Undo(); }, [this] { return history_->CanUndo(); });
  commands_.Add(
      CM_EDITREDO, [this] { history_->Redo(); }, [this] { return history_->CanRedo(); });
  // A drop is carried out once the drag has ended: its questions and messages must not
  // hold up the drag of another program, nor run inside our own.
  connect(noteView_, &TNoteWindow::TextDropped, this, &TZeltoWindow::TextDropped,
          Qt::QueuedConnection);
  const auto dropLater = [this](DraggedLine from, int target, bool copy) {
    QMetaObject::invokeMethod(
        this, [this, from, target, copy] { emit LineDropped(from, target, copy); },
        Qt::QueuedConnection);
  };
  connect(catList_, &TCatWindow::LineDropped, this, dropLater);
  connect(noteView_, &TNoteWindow::LineDropped, this,
          [this, &doc, dropLater](DraggedLine from, int targetLine, bool copy) {
            const LineTarget target =
                TargetOfLine(doc.tabs, noteView_->Lines().currentCategory, targetLine);
            if (target.IsCategoryLine()) dropLater(from, target.category, copy);
          });
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
  const PaneLayout layout =
      LayoutPanes(width(), height(), look_.horizRatio, look_.vertRatio, [&](const PaneRect& list) {
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
  noteView_->Refresh();
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
  noteView_->Refresh();
  pos.rx() += catList_->x();
  emit ContextMenuRequested(pos, false);
}

void TZeltoWindow::OnKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (MenuModifiers(modifiers)) return;
  const LineKind line = noteView_->GetLineKind(noteView_->CurrentLine());
  Perform(ActionForKey(MainKeyOf(key), (modifiers & Qt::ShiftModifier) != 0, line));
}

void TZeltoWindow::OnCharacter(const QString& text) {
  if (text.size() != 1 || MenuModifiers(QGuiApplication::keyboardModifiers())) return;
  const LineKind line = noteView_->GetLineKind(noteView_->CurrentLine());
  Perform(ActionForCharacter(text.at(0).unicode(), line));
}

void TZeltoWindow::Perform(const KeyAction& action) {
  switch (action.kind) {
    case KeyAction::Kind::None:
      break;
    case KeyAction::Kind::ActivateLine:
      noteView_->ActivateLine(noteView_->CurrentLine(), false);
      break;
    case KeyAction::Kind::MoveLine:
      noteView_->MoveByKey(action.move, false);
      break;
    case KeyAction::Kind::MoveCategory:
      catList_->MoveSelectionByKey(QtKeyOf(action.move));
      break;
    case KeyAction::Kind::Command:
      commands_.DoCommand(action.command);
      break;
    case KeyAction::Kind::OpenLink:
      emit OpenLinkRequested();
      break;
    case KeyAction::Kind::Help:
      HelpWindow::ShowContext(1, window());
      break;
    case KeyAction::Kind::FontList: {
      // The faces the font dialogs offer, from the same table.
      const FaceTable::Use table;
      QString names;
      for (const QString& face : table.Faces()) names += QStringLiteral(", ") + face;
      Prompter::Message(names, QString());
      break;
    }
  }
}

}  // namespace zelto
