// The program dialog: the OK rules, Browse and its errors, the fields that do not scroll
// and the refusal of characters that cannot be stored.
//
// Run with "--show note|exec [point size]" it shows one of the dialogs, for a look at it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <vector>

#include "platform/Prompter.h"
#include "view/TExecDialog.h"
#include "view/TExecDialogField.h"
#include "view/TNoteDialog.h"
#include "view/TNoteEdit.h"

using namespace zelto;

class TExecDialogTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TExecDialog> d;

  void Fill(const QString& description, const QString& path, const QString& arguments) {
    d->DescriptionField()->setText(description);
    d->PathField()->setText(path);
    d->ArgumentsField()->setText(arguments);
  }

 private slots:
  void init() {
    Prompter::SetTestMode(true);
    Prompter::ResetTestHooks();
    d = std::make_unique<TExecDialog>();
    d->show();
    d->activateWindow();
  }

  void okComposesTheEntryText() {
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    Fill("Editor", "/opt/My Apps/edit", "");
    d->Ok();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(d->EntryText(), std::string("Editor\r\n/opt/My Apps/edit"));  // no trailing blank

    init();
    Fill("D", "P", "-a b");
    d->Ok();
    QCOMPARE(d->EntryText(), std::string("D\r\nP -a b"));
  }

  void okWithoutDescriptionOrPathStaysOpenSilently() {
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    Fill("", "", "--only-arguments");
    d->Ok();
    Fill("Description", "", "");
    d->Ok();
    Fill("", "/bin/ls", "");
    d->Ok();
    QCOMPARE(accepted.count(), 0);
    QVERIFY(!d->OkToClose());
    QVERIFY(d->isVisible());
    QVERIFY(Prompter::History().empty());

    // The next OK starts afresh.
    Fill("List", "/bin/ls", "");
    QTest::mouseClick(d->OkButton(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(d->EntryText(), std::string("List\r\n/bin/ls"));
  }

  void browseFillsThePathOrReportsItsError() {
    Prompter::SetNextFileName(QStringLiteral("/usr/bin/some program"));
    QTest::mouseClick(d->BrowseButton(), Qt::LeftButton);
    QCOMPARE(d->PathField()->text(), QStringLiteral("/usr/bin/some program"));
    QCOMPARE(Prompter::History().size(), std::size_t(1));
    const Prompter::Asked& dialog = Prompter::History()[0];
    QCOMPARE(dialog.kind, Prompter::Asked::Kind::OpenFile);
    QVERIFY(dialog.filter.startsWith(QStringLiteral("All Files (*);;Exe Files (*.exe)")));

    Prompter::SetNextFileName(std::nullopt);  // a plain cancel leaves the path alone
    d->Browse();
    QCOMPARE(d->PathField()->text(), QStringLiteral("/usr/bin/some program"));

    // A path longer than a field holds is refused rather than cut.
    Prompter::SetNextFileName(QString(600, u'p'));
    d->Browse();
    QCOMPARE(Prompter::History().back().kind, Prompter::Asked::Kind::Message);
    QCOMPARE(Prompter::History().back().caption, QStringLiteral("WARNING"));
    QCOMPARE(d->PathField()->text(), QStringLiteral("/usr/bin/some program"));

    // What an error code of the file dialog would show; a cancel shows nothing.
    const BrowseStep error = StepAfterBrowse(std::nullopt, 12291);
    QCOMPARE(error.kind, BrowseStep::Kind::Report);
    QCOMPARE(error.text, QStringLiteral("GetOpenFileName returned Error #12291"));
    QCOMPARE(StepAfterBrowse(std::nullopt, 0).kind, BrowseStep::Kind::Nothing);
  }

  void fieldsStopWhenFullButKeepALongerBrowsedPath() {
    TExecDialogField* args = d->ArgumentsField();
    args->setFocus();
    QTest::keyClicks(args, QString(200, u'W'));
    const QString typed = args->text();
    QVERIFY(!typed.isEmpty());
    QVERIFY(typed.size() < 200);
    QVERIFY(args->Fits(typed));
    QVERIFY(!args->Fits(typed + u'W'));
    // Deleting still works, and the freed room can be typed into again.
    QTest::keyClick(args, Qt::Key_Backspace);
    QTest::keyClicks(args, "W");
    QCOMPARE(args->text(), typed);

    // A browsed path wider than the field is stored whole; it can still be shortened.
    const QString longPath =
        QStringLiteral("/very/long/folder/name/") + QString(150, u'x') + "/prog";
    Prompter::SetNextFileName(longPath);
    d->Browse();
    QVERIFY(!d->PathField()->Fits(longPath));
    d->DescriptionField()->setText(QStringLiteral("Long"));
    d->Ok();
    QCOMPARE(d->EntryText(), "Long\r\n" + longPath.toStdString() + " " + typed.toStdString());
  }

  void characterOutsideTheCodePageIsRefused() {
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    Fill(QStringLiteral("Caf\u00E9 \u263A"), QStringLiteral("/bin/\u4E2D"), "");
    d->Ok();
    QCOMPARE(accepted.count(), 0);
    const auto& asked = Prompter::History();
    QCOMPARE(asked.size(), std::size_t(1));
    QVERIFY(asked[0].text.contains(QStringLiteral("\u263A")));
    QVERIFY(asked[0].text.contains(QStringLiteral("\u4E2D")));
    QVERIFY(!asked[0].text.contains(QStringLiteral("\u00E9")));
    QCOMPARE(d->DescriptionField()->text(), QStringLiteral("Caf\u00E9 \u263A"));

    d->DescriptionField()->setText(QStringLiteral("Caf\u00E9"));
    d->PathField()->setText(QStringLiteral("/bin/cafe"));
    d->Ok();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(d->EntryText(), std::string("Caf\xE9\r\n/bin/cafe"));
  }

  void tabOrderAndHelp() {
    const std::vector<QWidget*> order = {d->PathField(), d->ArgumentsField(), d->DescriptionField(),
                                         d->OkButton()};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
      QCOMPARE(order[i]->nextInFocusChain(), order[i + 1]);

    QSignalSpy help(d.get(), &TExecDialog::helpRequested);
    QTest::mouseClick(d->HelpButton(), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toInt(), 13);
  }

  void labelsAreWholeAtALargeFont() {
    const QFont old = QApplication::font();
    QFont big = old;
    big.setPointSize(22);
    QApplication::setFont(big);
    TExecDialog exec;
    TNoteDialog note(nullptr, "Add entry", {});
    QApplication::setFont(old);
    for (QWidget* dialog : {static_cast<QWidget*>(&exec), static_cast<QWidget*>(&note)})
      for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->wordWrap()) continue;
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
      }
  }
};

namespace {

// Shows one dialog until it is closed.
int ShowDialog(const char* which, int pointSize) {
  if (pointSize > 0) {
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
  }
  if (std::strcmp(which, "exec") == 0) {
    TExecDialog exec;
    return exec.exec();
  }
  TNoteDialog note(nullptr, "Edit entry", {});
  note.SetText(
      "Call Anna about the \x80"
      "40 invoice\r\nShift+Enter closes, Ctrl+D adds the date");
  note.SetFlags(0x80);
  return note.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc >= 3 && std::strcmp(argv[1], "--show") == 0)
    return ShowDialog(argv[2], argc >= 4 ? std::atoi(argv[3]) : 0);
  TExecDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TExecDialog_qtest.moc"
