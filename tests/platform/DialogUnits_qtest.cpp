#include <QApplication>
#include <QFontMetrics>
#include <QtTest>

#include "platform/DialogUnits.h"

using zelto::DialogUnits;

class DialogUnitsTest : public QObject {
  Q_OBJECT
 private slots:
  void scalesWithTheFont() {
    QFont small = QApplication::font();
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(20);
    const DialogUnits a(small), b(large);
    // A 326 x 125 dialog grows with its font; the ratio follows the character size.
    QVERIFY(b.X(326) > a.X(326));
    QVERIFY(b.Y(125) > a.Y(125));
    QCOMPARE(a.Y(8), QFontMetrics(small).height());
    QCOMPARE(a.X(4), a.BaseX());
    QCOMPARE(a.Rect(0, 0, 4, 8), QRect(0, 0, a.BaseX(), a.BaseY()));
  }
};

QTEST_MAIN(DialogUnitsTest)
#include "DialogUnits_qtest.moc"
