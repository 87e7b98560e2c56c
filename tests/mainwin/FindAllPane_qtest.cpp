#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QtTest>

#include "common/CommandIds.h"
#include "common/CommandTable.h"
#include "mainwin/FindAllCommands.h"
#include "mainwin/FindAllList.h"
#include "mainwin/FindAllPane.h"
#include "mainwin/FindAllSearch.h"
#include "mainwin/SearchCommands.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/Prompter.h"
#include "view/TCatWindow.h"
#include "view/TNoteWindow.h"

namespace zelto {

// A main window with Find, Next and Find all on a document of `notes` notes per category.
struct Session {
  explicit Session(std::size_t notesEach) {
    for (const char* name : {"Home", "Work"}) {
      Tab tab(name, 0, NO_PARENT);
      for (std::size_t n = 0; n < notesEach; ++n)
        tab.notes.Add(NoteString{std::string(name) + " note " + std::to_string(100000 + n), 0});
      doc.tabs.Append(std::move(tab));
    }
    doc.tabs.Append(Tab("Attic", 0, 0));  // cut, under Home
    doc.tabs[2].state = TabState::Cut;
    doc.tabs[2].notes.Add(NoteString{"old phone note", 0});
    window.resize(600, 400);
  }
  FindAllPane& Pane() { return *findAll.Pane(); }
  FindAllModel& Model() { return Pane().Model(); }
  // Types `text` into the field and waits until the search is complete.
  bool TypeAndWait(const QString& text) {
    QTest::keyClicks(Pane().Field(), text);
    return QTest::qWaitFor([&] { return Counted(); }, 10000);
  }
  bool Counted() {
    const QString count = Pane().CountLabel()->text();
    return count.contains(QStringLiteral("hit")) && !count.contains(QStringLiteral("so far"));
  }

  Document doc;
  SearchState state;
  TZeltoWindow window{doc};
  CommandTable table;
  SearchCommands search{doc, state, *window.NoteView(), *window.CatList(), table, &window};
  FindAllCommands findAll{doc, state, search, table, &window};
};

class FindAllPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Prompter::SetTestMode(true); }

  void typingListsEveryHitAndGoingToOneShowsIt() {
    Session s(3);
    s.table.DoCommand(CM_FINDALL);
    QVERIFY(s.findAll.Dock()->isVisible());
    QVERIFY(s.TypeAndWait(QStringLiteral("NOTE")));
    // Home's three, Work's three, then the cut Attic's, shown as cut.
    QCOMPARE(s.Model().rowCount(), 7);
    QCOMPARE(s.Pane().CountLabel()->text(), QStringLiteral("7 hits"));
    const QModelIndex attic = s.Model().index(6);
    QVERIFY(attic.data(FindAllModel::CutRole).toBool());
    QCOMPARE(attic.data(FindAllModel::PathRole).toString(), QStringLiteral("/Home/Attic (cut)"));
    QCOMPARE(attic.data(FindAllModel::ExcerptRole)
                 .toString()
                 .mid(attic.data(FindAllModel::MatchStartRole).toInt(),
                      attic.data(FindAllModel::MatchLengthRole).toInt()),
             QStringLiteral("note"));

    // Enter on the fifth row: Work's second note, as Find would show it; Next goes on there.
    s.Pane().List()->setFocus();
    s.Pane().List()->setCurrentIndex(s.Model().index(4));
    QTest::keyClick(s.Pane().List(), Qt::Key_Return);
    QCOMPARE(s.window.NoteView()->Lines().currentCategory, 1);
    QCOMPARE(s.window.NoteView()->Lines().searchNote, 1);
    QCOMPARE(s.window.CatList()->SelectedCategory(), 1);
    s.table.DoCommand(CM_EDITFINDNEXT);
    QCOMPARE(s.state.searchCategory, 1);
    QCOMPARE(s.state.searchNote, 2);

    // A double click on the cut category's hit shows its level, the cut one listed.
    QVERIFY(QTest::qWaitForWindowExposed(s.findAll.Dock()));
    s.Pane().List()->scrollTo(attic);
    const QRect rect = s.Pane().List()->visualRect(attic);
    QSignalSpy chosen(&s.Pane(), &FindAllPane::HitChosen);
    QTest::mouseClick(s.Pane().List()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(s.Pane().List()->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 6);
    QCOMPARE(s.window.NoteView()->Lines().currentCategory, 2);
    QCOMPARE(s.window.CatList()->SelectedCategory(), 2);

    // Escape closes the pane.
    QTest::keyClick(s.Pane().Field(), Qt::Key_Escape);
    QVERIFY(s.findAll.Dock()->isHidden());
  }

  void theNextKeystrokeCancelsTheSearchBefore() {
    Session s(60000);
    s.table.DoCommand(CM_FINDALL);
    // "o" is in every note and still delivers while the next keys come; only the last
    // search, "Work note 159999", may fill the list.
    QTest::keyClicks(s.Pane().Field(), QStringLiteral("o"));
    QVERIFY(QTest::qWaitFor([&] { return s.Model().rowCount() > 0; }, 20000));
    QTest::keyClicks(s.Pane().Field(), QStringLiteral("rk note 159999"));
    QVERIFY(QTest::qWaitFor([&] { return s.Counted(); }, 20000));
    QCOMPARE(s.Model().rowCount(), 1);
    QCOMPARE(s.Pane().CountLabel()->text(), QStringLiteral("1 hit"));
  }

  void aStoppedSearchDeliversNothingMore() {
    auto tabs = std::make_shared<TabList>();
    Tab tab("All", 0, NO_PARENT);
    for (int n = 100000; n < 300000; ++n)  // in text order, each added at the end
      tab.notes.Add(NoteString{"note " + std::to_string(n), 0});
    tabs->Append(std::move(tab));
    FindAllSearch search;
    std::vector<SearchHit> got;
    bool done = false;
    connect(&search, &FindAllSearch::Found, this,
            [&](const std::vector<SearchHit>& hits, qulonglong, bool complete) {
              got.insert(got.end(), hits.begin(), hits.end());
              done = complete;
            });
    search.Start(tabs, "note");
    search.Start(tabs, "NOTE 299999");
    QVERIFY(QTest::qWaitFor([&] { return done; }, 20000));
    QCOMPARE(got.size(), std::size_t{1});
    QCOMPARE((*tabs)[0].notes[got[0].note].text, std::string("note 299999"));

    got.clear();
    search.Start(tabs, "note");
    search.Cancel();
    search.Wait();
    QTest::qWait(50);
    QVERIFY(got.empty());
  }

  void moreHitsThanTheListHoldsAreCountedAndSaidSo() {
    Session s(6000);
    s.table.DoCommand(CM_FINDALL);
    QVERIFY(s.TypeAndWait(QStringLiteral("note")));
    QCOMPARE(s.Model().rowCount(), 10000);
    QCOMPARE(s.Pane().CountLabel()->text(),
             QStringLiteral("12,001 hits; the first 10,000 are listed"));
  }

  void aChangedDocumentIsSearchedAgain() {
    Session s(2);
    s.table.DoCommand(CM_FINDALL);
    QVERIFY(s.TypeAndWait(QStringLiteral("Home")));
    QCOMPARE(s.Model().rowCount(), 2);
    s.doc.tabs[1].notes.Add(NoteString{"home again", 0});
    s.doc.modified = true;
    QVERIFY(QTest::qWaitFor([&] { return s.Model().rowCount() == 3 && s.Counted(); }, 5000));
    // A row of the list made before the change is not gone to.
    s.doc.tabs[0].notes.RemoveAt(0);
    s.doc.modified = true;
    const int beeps = Prompter::BeepCount();
    s.findAll.GoToRow(0);
    QCOMPARE(Prompter::BeepCount(), beeps + 1);
    QVERIFY(QTest::qWaitFor([&] { return s.Model().rowCount() == 2 && s.Counted(); }, 5000));
  }
};

}  // namespace zelto

QTEST_MAIN(zelto::FindAllPaneTest)
#include "FindAllPane_qtest.moc"
