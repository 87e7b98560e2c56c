// The note window drawn into an image and driven by mouse and keys.
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "model/TreeOps.h"
#include "view/TNoteWindow.h"

using namespace zelto;

namespace {

constexpr int H = 20;
const QColor Highlight(0, 0, 200);
const QColor HighlightText(255, 255, 0);
const QColor Cat(255, 0, 0), Main(0, 0, 0), Exec(0, 196, 0), NoPrintC(160, 100, 100);

std::uint32_t Ref(const QColor& c) {
  return static_cast<std::uint32_t>(c.red() + c.green() * 256 + c.blue() * 65536);
}

NoteString Note(std::string text, std::uint8_t flags = 0) {
  NoteString n;
  n.text = std::move(text);
  n.flags = flags;
  return n;
}

}  // namespace

class TNoteWindowTest : public QObject {
  Q_OBJECT

  Document doc;
  MemoryCategoryList list;
  std::unique_ptr<TNoteWindow> w;

  // Shows category `cat` as if selected in the category list.
  void Select(TabInx cat) {
    list.Clear();
    list.SetItemData(list.AddString(doc.tabs[cat].text), cat);
    list.SetSelIndex(0);
  }
  QImage Grab() {
    QImage img = w->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("NOTEVIEW_SHOT")) img.save(qEnvironmentVariable("NOTEVIEW_SHOT"));
    return img;
  }
  // How many pixels of line `line` (on screen) have exactly colour `c`.
  static int Count(const QImage& img, int line, const QColor& c) {
    int n = 0;
    for (int y = line * H; y < line * H + H && y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    return n;
  }

 private slots:
  void init() {
    doc = Document();
    AppendCategory(doc.tabs, "Top", 0, NO_PARENT);  // 0
    AppendCategory(doc.tabs, "Sub", 0, 0);          // 1
    AppendCategory(doc.tabs, "Gone", 0, 0);         // 2, cut away
    doc.tabs[2].state = TabState::Cut;
    doc.tabs[1].notes.Add(Note("Mtext"));
    doc.tabs[1].notes.Add(Note("Nprog\r\nprog", static_cast<std::uint8_t>(EntryKind::Program)));
    doc.tabs[1].notes.Add(Note("Onoprint", NoPrint));
    doc.tabs[1].notes.Add(Note("Pprognoprint\r\nx", NoPrint | 1));
    doc.tabs[1].notes.Add(Note("\rQhidden"));
    Select(1);

    w = std::make_unique<TNoteWindow>(doc, &list);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Highlight, Highlight);
    pal.setColor(QPalette::HighlightedText, HighlightText);
    w->setPalette(pal);
    NoteViewLook look;
    look.CatColor = Ref(Cat);
    look.MainColor = Ref(Main);
    look.ExecColor = Ref(Exec);
    look.NoPrintColor = Ref(NoPrintC);
    look.screenFont = QFont("DejaVu Sans");
    look.screenFont.setPixelSize(16);
    look.screenFont.setStyleStrategy(QFont::NoAntialias);
    w->SetLook(look);
    w->SetLineHeight(H);
    w->resize(320, 10 * H + 2 + 40);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->clearFocus();  // the focus frame has a test of its own
  }
  void cleanup() { w.reset(); }

  void currentLineIsHighlightedOverItsWholeRectangle() {
    w->SetCurrentLine(2);  // up-arrow line 0, "\rQhidden" on line 1, "Mtext" on line 2
    const QImage img = Grab();
    QCOMPARE(img.pixelColor(1, 2 * H + 1), Highlight);
    QCOMPARE(img.pixelColor(img.width() - 1, 3 * H - 2), Highlight);
    QCOMPARE(img.pixelColor(img.width() - 1, 3 * H - 1), QColor(Qt::white));  // the free row
    QCOMPARE(img.pixelColor(img.width() - 1, 3 * H + 1), QColor(Qt::white));
    QCOMPARE(img.pixelColor(img.width() - 1, 2 * H - 1), QColor(Qt::white));
    QVERIFY(Count(img, 2, HighlightText) > 10);  // a current Text note is drawn in it
    QCOMPARE(Count(img, 2, Main), 0);
  }

  void upArrowPixelsCurrentAndNot() {
    w->SetCurrentLine(3);
    QImage img = Grab();
    QCOMPARE(img.pixelColor(20, 10), QColor(Qt::black));  // the shaft
    QCOMPARE(img.pixelColor(15, 8), QColor(Qt::black));   // end of the head
    QCOMPARE(img.pixelColor(5, 10), QColor(Qt::white));

    QSignalSpy detail(w.get(), &TNoteWindow::DetailTextChanged);
    w->SetCurrentLine(0);
    img = Grab();
    QCOMPARE(img.pixelColor(20, 10), HighlightText);
    QCOMPARE(img.pixelColor(5, 10), Highlight);
    QVERIFY(!detail.isEmpty());
    QCOMPARE(detail.last().at(0).toString(), QString());
  }

  void textColoursByKindAndNoPrint() {
    w->SetCurrentLine(20);  // past the end: pulled back to the end line
    const QImage img = Grab();
    QVERIFY(Count(img, 2, Main) > 10);
    QVERIFY(Count(img, 3, Exec) > 10);
    QVERIFY(Count(img, 4, NoPrintC) > 10);
    QVERIFY(Count(img, 5, NoPrintC) > 10);  // NoPrint wins over Program
    QCOMPARE(Count(img, 4, Main), 0);
    QCOMPARE(Count(img, 3, Main), 0);
  }

  void currentProgramKeepsItsColourOnTheHighlight() {
    w->SetCurrentLine(3);
    QImage img = Grab();
    QVERIFY(Count(img, 3, Exec) > 10);
    QCOMPARE(Count(img, 3, HighlightText), 0);
    QVERIFY(Count(img, 3, Highlight) > 100);
    w->SetCurrentLine(5);
    img = Grab();
    QVERIFY(Count(img, 5, NoPrintC) > 10);
    w->SetCurrentLine(4);  // a current Text note with NoPrint uses the highlight text
    img = Grab();
    QVERIFY(Count(img, 4, HighlightText) > 10);
    QCOMPARE(Count(img, 4, NoPrintC), 0);
  }

  void subcategoryLinesInCatColorAndCutOnesLeftOut() {
    Select(0);
    w->InvalidateLineCount();
    w->SetCurrentLine(5);
    const QImage img = Grab();
    QVERIFY(Count(img, 0, Cat) > 10);         // "Sub"; the cut "Gone" is no line
    QVERIFY(Count(img, 1, Highlight) > 100);  // so line 1 is already the end line
    QCOMPARE(w->CurrentLine(), 1);
    QCOMPARE(w->Lines().lineCount, 1);
  }

  void multiLineOffAndOn() {
    w->SetCurrentLine(0);
    QImage img = Grab();
    QCOMPARE(Count(img, 1, Main), 0);  // "\rQhidden" shows nothing before its break
    const int progPixels = Count(img, 3, Exec);
    NoteViewLook look = w->Look();
    look.MultiLine = true;
    w->SetLook(look);
    img = Grab();
    QVERIFY(Count(img, 1, Main) > 10);  // everything on the one line
    QVERIFY(Count(img, 3, Exec) > progPixels);
    QCOMPARE(Count(img, 6, Main), 0);  // and nothing spills onto the lines below
  }

  void showPastLineBreakMarksEachBreakBetweenBlanks() {
    doc.tabs[1].notes.Add(Note("I\r\nI\rI\nI"));  // line 2, below "\rQhidden"
    w->InvalidateLineCount();
    w->SetCurrentLine(0);
    const auto inkRuns = [this](bool multiLine) {
      NoteViewLook look = w->Look();
      look.MultiLine = multiLine;
      w->SetLook(look);
      const QImage img = Grab();
      // The runs of columns of line 2 that hold ink, as [first, last].
      std::vector<std::pair<int, int>> runs;
      for (int x = 0; x < img.width(); ++x) {
        bool ink = false;
        for (int y = 2 * H; y < 3 * H - 1; ++y) ink = ink || img.pixelColor(x, y) == Main;
        if (!ink) continue;
        if (!runs.empty() && runs.back().second == x - 1)
          runs.back().second = x;
        else
          runs.emplace_back(x, x);
      }
      return runs;
    };
    QCOMPARE(inkRuns(false).size(), std::size_t{1});  // "I", up to the first break
    // Three kinds of break, three marks: I mark I mark I mark I, a blank's width apart.
    const auto runs = inkRuns(true);
    QCOMPARE(runs.size(), std::size_t{7});
    const int blank = QFontMetrics(w->Look().screenFont).horizontalAdvance(u' ');
    for (std::size_t i = 1; i < runs.size(); ++i)
      QVERIFY2(runs[i].first - runs[i - 1].second > blank / 2, qPrintable(QString::number(i)));
  }

  void shortListCannotBeScrolledAway() {
    // Seven lines (up-arrow, five notes, end line) in a window of twelve: no range at all.
    const auto wheel = [this](int notches) {
      const QPoint at(50, 50);
      for (int i = 0; i < notches; ++i) {
        QWheelEvent event(at, w->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w->viewport(), &event);
      }
    };
    Grab();
    wheel(5);
    QCOMPARE(w->ScrollPos(), 0);
    QCOMPARE(w->verticalScrollBar()->maximum(), 0);

    // Forty more notes: the wheel stops with the end line on the last whole row.
    for (int i = 0; i < 40; ++i) doc.tabs[1].notes.Add(Note("R" + std::to_string(100 + i)));
    w->InvalidateLineCount();
    const int rows = w->viewport()->height() / H;
    wheel(30);
    QCOMPARE(w->ScrollPos(), 47 - rows);
    w->MoveByKey(NoteKey::Down, false);  // any key refreshes the lines; the end line stays put
    QVERIFY(w->verticalScrollBar()->value() == w->verticalScrollBar()->maximum());
    QImage img = Grab();
    QCOMPARE(img.pixelColor(1, (46 - w->ScrollPos()) * H + 1), QColor(Qt::white));
    QVERIFY(Count(img, 45 - w->ScrollPos(), Main) > 10);  // the last note just above

    // A taller window shows more, still without blank lines below the end line.
    w->resize(w->width(), w->height() + 5 * H);
    QCOMPARE(w->ScrollPos(), 47 - w->viewport()->height() / H);
  }

  void focusFrameOnTheCurrentLineWhileFocused() {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->setFocus();
    QTRY_VERIFY(w->hasFocus());
    w->SetCurrentLine(2);
    // The frame's dots in the highlight text colour along the line's top and right edge.
    const auto dots = [this](const QImage& img) {
      int n = 0;
      for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, 2 * H) == HighlightText;
      for (int y = 2 * H; y < 3 * H - 1; ++y)
        n += img.pixelColor(img.width() - 1, y) == HighlightText;
      return n;
    };
    const QImage img = Grab();
    const int expected = (img.width() + H) / 2;  // every other pixel
    QVERIFY2(std::abs(dots(img) - expected) < 4, qPrintable(QString::number(dots(img))));
    w->clearFocus();
    QTRY_VERIFY(!w->hasFocus());
    QCOMPARE(dots(Grab()), 0);
  }

  void endLinePulledBackAndHighlighted() {
    QSignalSpy detail(w.get(), &TNoteWindow::DetailTextChanged);
    w->SetCurrentLine(42);
    const QImage img = Grab();
    QCOMPARE(w->CurrentLine(), 6);  // up-arrow + five notes
    QCOMPARE(img.pixelColor(1, 6 * H + 1), Highlight);
    QCOMPARE(detail.last().at(0).toString(), QString());
  }

  void detailTextIsTheWholeNoteDecoded() {
    doc.tabs[1].notes.Add(Note("Z\x80 one\r\ntwo"));
    w->InvalidateLineCount();
    QSignalSpy detail(w.get(), &TNoteWindow::DetailTextChanged);
    w->SetCurrentLine(6);
    QCOMPARE(detail.last().at(0).toString(), QString::fromUtf8("Z\u20AC one\r\ntwo"));
  }

  void paintingOnlyDraws() {
    // A search hit still waiting below the window and a current line: no paint, whole or
    // in part, hands the hit over, moves the line or announces the detail text again.
    for (int i = 0; i < 40; ++i) doc.tabs[1].notes.Add(Note("R" + std::to_string(100 + i)));
    w->SetCurrentLine(2);
    w->ShowSearchHit(1, 30);
    const NoteLines before = w->Lines();
    QSignalSpy detail(w.get(), &TNoteWindow::DetailTextChanged);
    QSignalSpy moved(w.get(), &TNoteWindow::CurrentLineChanged);
    w->viewport()->repaint();
    w->viewport()->repaint(0, 2 * H, 50, H);
    w->viewport()->repaint(0, 9 * H, 50, 3 * H);
    Grab();
    QCOMPARE(detail.size(), 0);
    QCOMPARE(moved.size(), 0);
    QCOMPARE(w->Lines().currentLine, before.currentLine);
    QCOMPARE(w->Lines().showSearchHit, true);
    QCOMPARE(w->Lines().lineCategories, before.lineCategories);

    // Scrolling it into view is what makes the hit current, paint or not.
    w->ScrollToNote(30);
    QVERIFY(!w->Lines().showSearchHit);
    QCOMPARE(w->CurrentLine(), 31);
    QCOMPARE(detail.size(), 1);
  }

  void mouseMakesLinesCurrentAndActivates() {
    Grab();
    QSignalSpy activated(w.get(), &TNoteWindow::NoteActivated);
    QSignalSpy menu(w.get(), &TNoteWindow::ContextMenuRequested);
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, QPoint(50, 2 * H + 5));
    QCOMPARE(w->CurrentLine(), 2);
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, QPoint(50, 3 * H + 5));
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated.at(0).at(0).toInt(), 1);  // category Sub
    QCOMPARE(activated.at(0).at(1).toInt(), 2);  // line 3: note 2
    QCOMPARE(activated.at(0).at(2).toBool(), false);

    // A double click on the up-arrow line shows the parent's level, line 0 current.
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, QPoint(50, 5));
    QCOMPARE(list.SelectedCategory(), 0);
    QCOMPARE(w->CurrentLine(), 0);
    QCOMPARE(activated.size(), 1);
    Select(1);

    // A right click on the end line makes it current; its note is one past the last.
    Grab();
    QTest::mouseClick(w->viewport(), Qt::RightButton, {}, QPoint(50, 6 * H + 5));
    QCOMPARE(w->CurrentLine(), 6);
    QCOMPARE(w->Lines().currentNote, 5);
    QCOMPARE(menu.size(), 1);
  }

  void commandsReachingTheNoteWindow() {
    QSignalSpy copy(w.get(), &TNoteWindow::CopyNoteRequested);
    QSignalSpy paste(w.get(), &TNoteWindow::PasteNoteRequested);
    QSignalSpy run(w.get(), &TNoteWindow::RunProgramRequested);
    QVERIFY(w->HandleCommand(24323));
    QCOMPARE(copy.size(), 1);
    QVERIFY(w->HandleCommand(24324));
    QCOMPARE(paste.size(), 1);
    QVERIFY(doc.modified);
    QVERIFY(!w->HandleCommand(1));  // Add Note is the main window's

    // Run hands on the current note, and nothing for a line past the notes.
    w->SetCurrentLine(3);
    Grab();
    QVERIFY(w->HandleCommand(22));
    QCOMPARE(run.size(), 1);
    QCOMPARE(run.at(0).at(1).toInt(), 2);
    QTest::mouseClick(w->viewport(), Qt::RightButton, {}, QPoint(50, 6 * H + 5));  // end line
    QVERIFY(w->HandleCommand(22));
    QCOMPARE(run.size(), 1);
  }

  void keysGoToTheMainWindowExceptA() {
    QSignalSpy keys(w.get(), &TNoteWindow::KeyDown);
    QSignalSpy chars(w.get(), &TNoteWindow::CharacterTyped);
    QSignalSpy add(w.get(), &TNoteWindow::AddNoteRequested);
    QTest::keyClick(w.get(), Qt::Key_A);
    QTest::keyClick(w.get(), Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(add.size(), 2);
    QCOMPARE(chars.size(), 0);
    QTest::keyClick(w.get(), Qt::Key_F);
    QCOMPARE(chars.size(), 1);
    QCOMPARE(chars.at(0).at(0).toString(), QString("f"));
    // With Alt or Meta the key is the menus' and the desktop's; with Ctrl it goes on as a
    // control character. None of them adds a note.
    for (Qt::KeyboardModifier m : {Qt::AltModifier, Qt::MetaModifier, Qt::ControlModifier})
      QTest::keyClick(w.get(), Qt::Key_A, m);
    QCOMPARE(add.size(), 2);
    QCOMPARE(chars.size(), 2);
    const int before = w->CurrentLine();
    QTest::keyClick(w.get(), Qt::Key_Down);
    QCOMPARE(w->CurrentLine(), before);  // moving is the main window's decision
    QVERIFY(keys.size() >= 4);
    QCOMPARE(keys.last().at(0).toInt(), int(Qt::Key_Down));
  }

  void movementKeysAndScrollingToANote() {
    for (int i = 0; i < 40; ++i) doc.tabs[1].notes.Add(Note("R" + std::to_string(100 + i)));
    w->InvalidateLineCount();
    Grab();
    QVERIFY(w->MoveByKey(NoteKey::End, false));
    QCOMPARE(w->CurrentLine(), 45);
    QVERIFY(w->ScrollPos() > 30);
    QVERIFY(w->MoveByKey(NoteKey::Down, false));
    QCOMPARE(w->CurrentLine(), 46);               // the end line
    QVERIFY(!w->MoveByKey(NoteKey::Down, true));  // Shift: for the category list
    QCOMPARE(w->CurrentLine(), 46);
    QVERIFY(w->MoveByKey(NoteKey::Home, false));
    QCOMPARE(w->ScrollPos(), 0);

    // A note added far below is made current as its scroll brings it into view.
    doc.tabs[1].notes.Add(Note("S last"));
    w->InvalidateLineCount();
    w->ShowAddedNote(45);
    QVERIFY(w->Lines().showAddedNote);
    w->ScrollToNote(45);
    QVERIFY(w->ScrollPos() > 30);
    QCOMPARE(w->CurrentLine(), 46);
    QVERIFY(!w->Lines().showAddedNote);
    QVERIFY(Count(Grab(), 46 - w->ScrollPos(), Highlight) > 100);
  }
};

QTEST_MAIN(TNoteWindowTest)
#include "TNoteWindow_qtest.moc"
