#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <cmath>

#include "model/TreeOps.h"
#include "print/FakeSurface.h"
#include "print/PainterSurface.h"
#include "print/PrintRun.h"
#include "print/TApxPrintout.h"

using namespace zelto;

namespace {

// A document of `categories` top-level categories with `notes` notes each.
Document MakeDocument(int categories, int notes) {
  Document doc;
  for (int c = 0; c < categories; ++c) {
    const TabInx cat = *AppendCategory(doc.tabs, "Category " + std::to_string(c), 0, NO_PARENT);
    for (int i = 0; i < notes; ++i)
      doc.tabs[cat].notes.Add(NoteString{"Note " + std::to_string(i) +
                                             " with some words to wrap\r\nand a second line "
                                             "caf\xe9",
                                         0});
  }
  return doc;
}

bool AllWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
  return true;
}

}  // namespace

class PrintoutQTest : public QObject {
  Q_OBJECT

 private slots:
  void cachedWidthsEqualMeasuredWidths() {
    PainterSurface surface;
    const FontSpec text{"DejaVu Sans", 10, 400, false};
    const FontSpec heading{"Arial", 12, 600, true};
    for (int round = 0; round < 2; ++round) {  // the second round comes from the cache
      for (const FontSpec& spec : {text, heading}) {
        surface.SelectFont(spec);
        const QFontMetrics metrics(MakePrintFont(spec));
        for (int b = 0; b < 256; ++b) {
          const char c = static_cast<char>(b);
          QCOMPARE(surface.CharWidth(c), metrics.horizontalAdvance(PrintText({&c, 1}).at(0)));
        }
      }
    }
    surface.SelectFont(text);
    QVERIFY(surface.CharWidth('W') > surface.CharWidth('i'));
  }

  void codePageBytesBecomeTheirCharacters() {
    QCOMPARE(PrintText("caf\xe9 \x80"), QString::fromUtf8("caf\u00e9 \u20ac"));
  }

  void mapPageScalesLayoutUnitsOntoThePrinterPage() {
    Document doc;
    PrintSettings settings;
    testing::CountingErrors errors;
    ListPrintout layout(doc.tabs, settings, errors);
    QWidget window;
    window.resize(300, 200);
    TApxPrintout printout("title", layout, &window);

    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    const UnitsPerInch display = DisplayResolution();
    PageDevice page{QSize(4800, 6000), QSize(600, 600), QRect(0, 0, 4800, 6000)};
    const PrintRect rect = printout.MapPage(painter, page);
    QCOMPARE(rect.right, 4800 * display.x / 600);
    QCOMPARE(rect.bottom, 6000 * display.y / 600);
    QCOMPARE(painter.combinedTransform().map(QPointF(rect.right, rect.bottom)),
             QPointF(4800, 6000));
    QCOMPARE(window.size(), QSize(rect.right, rect.bottom));
    QVERIFY(!window.updatesEnabled());

    printout.UnmapPage(painter);
    QVERIFY(painter.combinedTransform().isIdentity());

    // Sizes that do not divide evenly round to the nearest unit.
    page = PageDevice{QSize(4961, 7013), QSize(600, 600), QRect(0, 0, 4961, 7013)};
    const PrintRect odd = printout.MapPage(painter, page);
    QCOMPARE(odd.right, int(std::lround(4961.0 * display.x / 600)));
    QCOMPARE(odd.bottom, int(std::lround(7013.0 * display.y / 600)));
    printout.UnmapPage(painter);
    QCOMPARE(window.size(), QSize(300, 200));
    QVERIFY(window.updatesEnabled());
  }

  void printsAGeneratedDocumentToPdf() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("printout.pdf");
    Document doc = MakeDocument(5, 60);
    PrintSettings settings;
    testing::CountingErrors errors;
    ListPrintout layout(doc.tabs, settings, errors);
    TApxPrintout printout("Brindamor", layout);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(PrintPrintout(printer, printout));
    QCOMPARE(errors.count, 0);
    QVERIFY(printout.Pages().maxPage > 1);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    const auto pages =
        QRegularExpression(R"(/Type\s*/Page[^s])").globalMatch(QString::fromLatin1(pdf));
    int count = 0;
    for (auto it = pages; it.hasNext(); it.next()) ++count;
    QCOMPARE(count, printout.Pages().maxPage);
  }

  void previewPaintsExistingPagesAndLeavesOthersWhite() {
    Document doc = MakeDocument(2, 5);
    PrintSettings settings;
    testing::CountingErrors errors;
    ListPrintout layout(doc.tabs, settings, errors);
    TApxPrintout printout("Print Preview", layout);
    const PageDevice a4{QSize(4960, 7015), QSize(600, 600), QRect(0, 0, 4960, 7015)};

    QImage image(248, 351, QImage::Format_RGB32);
    image.fill(Qt::gray);
    {
      QPainter painter(&image);
      PaintPreviewPage(painter, printout, a4, image.rect(), 1);
    }
    QVERIFY(!AllWhite(image));
    QCOMPARE(printout.Pages().maxPage, 1);

    for (int n : {0, 2}) {
      image.fill(Qt::gray);
      QPainter painter(&image);
      PaintPreviewPage(painter, printout, a4, image.rect(), n);
      painter.end();
      QVERIFY(AllWhite(image));
    }
    QCOMPARE(errors.count, 0);
  }
};

QTEST_MAIN(PrintoutQTest)
#include "Printout_qtest.moc"
