#include <QSignalSpy>
#include <QtTest>

#include "view/TOneEdit.h"

using zelto::TOneEdit;

class TOneEditTest : public QObject {
  Q_OBJECT
 private slots:
  void keysThatDeleteTextDoNothing() {
    TOneEdit edit;
    edit.setPlainText(QStringLiteral("Call 555-1234"));
    edit.moveCursor(QTextCursor::End);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    edit.moveCursor(QTextCursor::Start);
    QTest::keyClick(&edit, Qt::Key_Delete);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(edit.toPlainText(), QStringLiteral("Call 555-1234"));
    // Typing still works; the next repaint of the note window puts the note back.
    edit.moveCursor(QTextCursor::End);
    QTest::keyClicks(&edit, QStringLiteral("x"));
    QCOMPARE(edit.toPlainText(), QStringLiteral("Call 555-1234x"));
  }

  void tabHandsTheFocusBack() {
    TOneEdit edit;
    QSignalSpy back(&edit, &TOneEdit::FocusBackRequested);
    QTest::keyClick(&edit, Qt::Key_Tab);
    QCOMPARE(back.count(), 1);
    QVERIFY(!edit.toPlainText().contains(QLatin1Char('\t')));
  }

  void rightClickAsksForTheDetailMenu() {
    TOneEdit edit;
    edit.resize(200, 80);
    QSignalSpy menu(&edit, &TOneEdit::DetailMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(12, 7),
                            edit.viewport()->mapToGlobal(QPoint(12, 7)));
    QCoreApplication::sendEvent(edit.viewport(), &event);  // where a real right click lands
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toPoint(), QPoint(12, 7));
  }
};

QTEST_MAIN(TOneEditTest)
#include "TOneEdit_qtest.moc"
