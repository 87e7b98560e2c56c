// The note dialog and its editor driven by keys: the text in and out, the date keys, the
// print mark, the caption and the refusal of characters that cannot be stored.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <ctime>
#include <vector>

#include "platform/Prompter.h"
#include "view/TNoteDialog.h"
#include "view/TNoteEdit.h"

using namespace zelto;

namespace {

// 9 December 2026, 14:05:09 local time.
std::chrono::system_clock::time_point FixedTime() {
  std::tm tm{};
  tm.tm_year = 2026 - 1900;
  tm.tm_mon = 11;
  tm.tm_mday = 9;
  tm.tm_hour = 14;
  tm.tm_min = 5;
  tm.tm_sec = 9;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

QString Editor(const TNoteDialog& d) { return d.Edit()->toPlainText(); }

}  // namespace

class TNoteDialogTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TNoteDialog> Open(const std::string& text, std::uint8_t flags = 0,
                                    const NoteDialogSettings& settings = {}) {
    auto d = std::make_unique<TNoteDialog>(nullptr, "Edit entry", settings);
    d->SetText(text);
    d->SetFlags(flags);
    d->Edit()->SetClock(FixedTime);
    d->show();
    d->activateWindow();
    d->Edit()->setFocus();
    return d;
  }

 private slots:
  void init() {
    Prompter::SetTestMode(true);
    Prompter::ResetTestHooks();
  }

  void caretStandsAtTheEndWithNothingSelected() {
    auto d = Open("first line\r\nsecond");
    const QTextCursor c = d->Edit()->textCursor();
    QVERIFY(!c.hasSelection());
    QCOMPARE(c.position(), Editor(*d).size());
    QTest::keyClicks(d->Edit(), "!");
    QCOMPARE(Editor(*d), QStringLiteral("first line\nsecond!"));

    // An empty note: OK gives an empty text.
    auto empty = Open("");
    QCOMPARE(empty->Edit()->textCursor().position(), 0);
    empty->Ok();
    QCOMPARE(empty->result(), int(QDialog::Accepted));
    QCOMPARE(empty->Text(), std::string());
  }

  void lineBreaksAndBytesComeBackAsStored() {
    // CR LF, the euro sign, a no-break space and a tab survive the editor unchanged.
    const std::string stored =
        "Price \x80"
        "5\r\n\xA0indented\r\n\tlast \xE9t\xE9";
    auto d = Open(stored);
    QCOMPARE(d->Edit()->blockCount(), 3);
    d->Ok();
    QCOMPARE(d->Text(), stored);

    // A bare LF or CR breaks the line too and is stored as CR LF.
    auto loose = Open("a\nb\rc");
    QCOMPARE(Editor(*loose), QStringLiteral("a\nb\nc"));
    loose->Ok();
    QCOMPARE(loose->Text(), std::string("a\r\nb\r\nc"));
  }

  void enterStartsALineAndShiftEnterIsOk() {
    auto d = Open("one");
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    QTest::keyClick(d->Edit(), Qt::Key_Return);
    QTest::keyClicks(d->Edit(), "two");
    QCOMPARE(accepted.count(), 0);
    QTest::keyClick(d->Edit(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(d->Text(), std::string("one\r\ntwo"));
  }

  void categoryNameIsOneLineThatEnterConfirms() {
    auto d = std::make_unique<TNoteDialog>(nullptr, "Add category", NoteDialogSettings{},
                                           EditedText::CategoryName);
    d->show();
    d->Edit()->setFocus();
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    QCOMPARE(d->ConfirmHint()->text(), QStringLiteral("Enter: OK"));
    QVERIFY(d->ConfirmHint()->isVisible());
    QVERIFY(d->ConfirmHint()->geometry().top() >= d->Edit()->geometry().bottom());

    // A paste of several lines is refused with a message; one copied with its line
    // break goes in without it.
    QApplication::clipboard()->setText(QStringLiteral("Work\nHome"));
    d->Edit()->paste();
    QCOMPARE(Editor(*d), QString());
    QCOMPARE(Prompter::History().size(), std::size_t(1));
    QVERIFY(Prompter::History().back().text.contains(QStringLiteral("one line")));
    QApplication::clipboard()->setText(QStringLiteral("Work\r\n"));
    d->Edit()->paste();
    QCOMPARE(Editor(*d), QStringLiteral("Work"));

    QTest::keyClick(d->Edit(), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(d->Text(), std::string("Work"));

    // A name stored with a line break (as Enter used to make them) must lose it first.
    TNoteDialog old(nullptr, "Edit category", {}, EditedText::CategoryName);
    old.SetText("Work\r\n");
    old.Ok();
    QCOMPARE(old.result(), int(QDialog::Rejected));
    QVERIFY(Prompter::History().back().text.contains(QStringLiteral("line break")));
    QTest::keyClick(old.Edit(), Qt::Key_Backspace);
    old.Ok();
    QCOMPARE(old.result(), int(QDialog::Accepted));
    QCOMPARE(old.Text(), std::string("Work"));

    // A note keeps Enter for a new line and says how to confirm.
    auto note = Open("");
    QCOMPARE(note->ConfirmHint()->text(), QStringLiteral("Shift+Enter: OK"));
  }

  void dateKeysInsertOverTheSelection() {
    auto d = Open("Due: X.");
    QTest::keyClick(d->Edit(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(Editor(*d), QStringLiteral("Due: X.December 9, 2026"));

    // Ctrl+B puts in date and time; a Ctrl+T right after adds the time alone.
    auto both = Open("");
    QTest::keyClick(both->Edit(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(both->Edit(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(Editor(*both), QStringLiteral("December 9, 2026 14:05:0914:05:09"));

    // The selection is replaced, in the DateFormat style.
    NoteDialogSettings iso;
    iso.DateFormat = 5;
    auto sel = Open("on DATE here", 0, iso);
    QTextCursor c = sel->Edit()->textCursor();
    c.setPosition(3);
    c.setPosition(7, QTextCursor::KeepAnchor);
    sel->Edit()->setTextCursor(c);
    QTest::keyClick(sel->Edit(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(Editor(*sel), QStringLiteral("on 2026-12-09 here"));
  }

  void printMarkChangesOnlyItsOwnBit() {
    // A Program entry marked NoPrint: the box shows ticked, clearing it keeps the kind.
    auto d = Open("prog\r\ncmd", 0x81);
    QVERIFY(d->NoPrintBox()->isChecked());
    QTest::mouseClick(d->NoPrintBox(), Qt::LeftButton, {},
                      QPoint(4, d->NoPrintBox()->height() / 2));
    QVERIFY(!d->NoPrintBox()->isChecked());
    d->Ok();
    QCOMPARE(int(d->Flags()), 0x01);

    auto other = Open("x", 0x7F);
    QVERIFY(!other->NoPrintBox()->isChecked());
    other->NoPrintBox()->setChecked(true);
    other->Ok();
    QCOMPARE(int(other->Flags()), 0xFF);
  }

  void captionIsCutTo150Characters() {
    std::string longName(149, 'a');
    longName += "\xE9xyz";  // the 150th character is é
    TNoteDialog d(nullptr, longName, {});
    QCOMPARE(d.windowTitle().size(), 150);
    QVERIFY(d.windowTitle().endsWith(QChar(0xE9)));
    TNoteDialog shortOne(nullptr, "Add category", {});
    QCOMPARE(shortOne.windowTitle(), QStringLiteral("Add category"));
  }

  void editorFontFollowsEditFont() {
    QFont screen(QStringLiteral("Monospace"), 23);
    NoteDialogSettings off;
    off.screenFont = screen;
    auto plain = Open("", 0, off);
    QCOMPARE(plain->Edit()->font().pointSize(), plain->font().pointSize());
    NoteDialogSettings on = off;
    on.EditFont = true;
    auto big = Open("", 0, on);
    QCOMPARE(big->Edit()->font().pointSize(), 23);
  }

  void characterOutsideTheCodePageIsRefusedAndKept() {
    auto d = Open("keep");
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    d->Edit()->insertPlainText(QStringLiteral(" \u263A and \u4E2D"));
    d->Ok();
    QCOMPARE(accepted.count(), 0);
    QVERIFY(d->isVisible());
    const auto& asked = Prompter::History();
    QCOMPARE(asked.size(), std::size_t(1));
    QVERIFY(asked[0].text.contains(QStringLiteral("\u263A")));
    QVERIFY(asked[0].text.contains(QStringLiteral("\u4E2D")));
    QCOMPARE(Editor(*d), QStringLiteral("keep \u263A and \u4E2D"));
    QCOMPARE(d->Text(), std::string("keep"));  // the caller's text is untouched

    // Once the character is gone, OK goes through.
    d->Edit()->setPlainText(QStringLiteral("keep \u00E9"));
    d->Ok();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(d->Text(), std::string("keep \xE9"));
  }

  void helpAsksForItsContextAndResizingKeepsTheColumnRight() {
    auto d = Open("");
    QSignalSpy help(d.get(), &TNoteDialog::helpRequested);
    QTest::mouseClick(d->HelpButton(), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 1);

    d->resize(900, 500);
    QApplication::processEvents();
    QVERIFY(d->OkButton()->geometry().right() < 900 - 10);
    QVERIFY(d->OkButton()->geometry().right() > 900 - 40);
    QVERIFY(d->Edit()->geometry().right() < d->OkButton()->x());
    QVERIFY(d->Edit()->height() > 400);
    QVERIFY(d->NoPrintBox()->geometry().bottom() < 500);
  }
};

QTEST_MAIN(TNoteDialogTest)
#include "TNoteDialog_qtest.moc"
