#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

#include "view/TOneEdit.h"

using zelto::TOneEdit;

class TOneEditTest : public QObject {
  Q_OBJECT
 private slots:
  // The window is read-only: nothing typed, pasted or deleted goes in, and no caret shows
  // where nothing can be typed; the mouse still selects (Ctrl+C: Frame_qtest).
  void readOnlyWithoutCaretYetSelectable() {
    TOneEdit edit;
    edit.resize(240, 80);
    edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    edit.setFocus();
    QTRY_VERIFY(edit.hasFocus());

    // An empty window with the focus stays blank through a whole blink of a caret.
    const QColor base = edit.palette().color(QPalette::Base);
    for (int i = 0; i < 8; ++i) {
      const QImage img = edit.viewport()->grab().toImage();
      int marked = 0;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) marked += img.pixelColor(x, y) != base;
      QCOMPARE(marked, 0);
      QTest::qWait(150);
    }

    const QString text = QStringLiteral("Call 555-1234");
    edit.ShowText(text);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(&edit, QStringLiteral("xy"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.toPlainText(), text);

    QTextCursor inWord(edit.document());
    inWord.setPosition(7);  // inside "555"
    QTest::mouseDClick(edit.viewport(), Qt::LeftButton, {}, edit.cursorRect(inWord).center());
    QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("555"));
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
