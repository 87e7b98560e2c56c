#include "view/TNoteDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "model/Records.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/Prompter.h"
#include "view/NoteDialogText.h"
#include "view/TNoteDialogControls.h"
#include "view/TNoteDialogLayout.h"
#include "view/TNoteEdit.h"

namespace zelto {

namespace {

// The classic dialog font's character cell, to which the layout's pixel spacing belongs.
constexpr int ClassicBaseX = 6;
constexpr int ClassicBaseY = 13;

QString OneLineMessage(const QString& what) {
  return QStringLiteral("A category name is one line: %1").arg(what);
}

}  // namespace

TNoteDialog::TNoteDialog(QWidget* parent, std::string_view caption,
                         const NoteDialogSettings& settings, EditedText kind)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                          Qt::WindowContextHelpButtonHint),
      caption_(NoteDialogCaption(caption)) {
  setFont(QApplication::font());
  const DialogUnits du(font());

  // Created in tab order.
  edit_ = new TNoteEdit(this);
  edit_->setGeometry(du.Rect(4, 4, 240, 116));
  edit_->SetDateFormat(settings.DateFormat);
  edit_->SetOneLine(kind == EditedText::CategoryName);
  if (settings.EditFont) edit_->setFont(settings.screenFont);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setGeometry(du.Rect(259, 6, 50, 14));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setGeometry(du.Rect(259, 26, 50, 14));
  help_ = new QPushButton(QStringLiteral("Help"), this);
  help_->setGeometry(du.Rect(259, 46, 50, 14));

  // Only the box shows; the two labels beside it carry its text.
  noPrint_ = new QCheckBox(this);
  noPrint_->setAccessibleName(QStringLiteral("Suppress in printouts"));
  PlaceControl(noPrint_, du, 260, 88, 8, 12);
  label1_ = new QLabel(QStringLiteral("Suppress in"), this);
  PlaceControl(label1_, du, 272, 87, 48, 8);
  label2_ = new QLabel(QStringLiteral("printouts"), this);
  PlaceControl(label2_, du, 273, 96, 60, 8);

  hint_ = new QLabel(kind == EditedText::CategoryName ? QStringLiteral("Enter: OK")
                                                      : QStringLiteral("Shift+Enter: OK"),
                     this);
  hint_->setObjectName(QStringLiteral("ConfirmHint"));
  hint_->adjustSize();

  connect(edit_, &TNoteEdit::okRequested, this, &TNoteDialog::Ok);
  connect(edit_, &TNoteEdit::lineBreakRefused, this, [this] {
    Prompter::Message(OneLineMessage(QStringLiteral("a text of several lines cannot be pasted.")),
                      windowTitle(), Prompter::Icon::Warning);
  });
  connect(ok_, &QPushButton::clicked, this, &TNoteDialog::Ok);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(help_, &QPushButton::clicked, this,
          [this] { emit helpRequested(NoteDialogHelpContext); });

  setWindowTitle(Cp1252::Decode(caption_));
  // Small enough to shrink, large enough that the column of buttons and the field fit.
  const QSize column(ok_->width() + du.X(40), du.Y(110));
  setMinimumSize(column.width() + du.X(40), column.height());
  resize(du.Size(326, 125));
  edit_->setFocus();
}

void TNoteDialog::SetText(std::string_view bytes) {
  text_ = std::string(bytes);
  edit_->SetNoteText(bytes);
}

void TNoteDialog::SetFlags(std::uint8_t flags) {
  flags_ = flags;
  noPrint_->setChecked((flags & NoPrint) != 0);
}

void TNoteDialog::Ok() {
  Cp1252::Encoded stored = edit_->NoteText();
  if (!stored.Ok()) {
    Prompter::Message(Cp1252::RefusalMessage(stored.unmappable), windowTitle(),
                      Prompter::Icon::Warning);
    edit_->setFocus();
    return;
  }
  if (edit_->OneLine() && stored.bytes.find_first_of("\r\n") != std::string::npos) {
    Prompter::Message(OneLineMessage(QStringLiteral("remove the line break from it.")),
                      windowTitle(), Prompter::Icon::Warning);
    edit_->setFocus();
    return;
  }
  text_ = std::move(stored.bytes);
  if (noPrint_->isChecked())
    flags_ = static_cast<std::uint8_t>(flags_ | NoPrint);
  else
    flags_ = static_cast<std::uint8_t>(flags_ & ~NoPrint);
  accept();
}

void TNoteDialog::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  LayOut();
}

void TNoteDialog::LayOut() {
  const DialogUnits du(font());
  NoteDialogMetrics m;
  m.clientWidth = width();
  m.clientHeight = height();
  m.buttonWidth = ok_->width();
  m.buttonHeight = ok_->height();
  m.editLeft = edit_->x();
  m.editTop = edit_->y();
  m.checkWidth = noPrint_->width();
  m.checkHeight = noPrint_->height();
  m.labelWidth1 = label1_->width();
  m.labelWidth2 = label2_->width();
  m.labelHeight = label1_->height();
  m.hintHeight = hint_->sizeHint().height();
  m.scaleXNum = std::max(du.BaseX(), ClassicBaseX);
  m.scaleXDen = ClassicBaseX;
  m.scaleYNum = std::max(du.BaseY(), ClassicBaseY);
  m.scaleYDen = ClassicBaseY;

  const NoteDialogLayout l = LayOutNoteDialog(m);
  const auto place = [](QWidget* w, const LayoutRect& r) {
    w->setGeometry(r.x, r.y, r.width, r.height);
  };
  place(ok_, l.ok);
  place(cancel_, l.cancel);
  place(help_, l.help);
  place(noPrint_, l.noPrintBox);
  place(label1_, l.label1);
  place(label2_, l.label2);
  place(edit_, l.edit);
  place(hint_, l.hint);
  update();
}

}  // namespace zelto
