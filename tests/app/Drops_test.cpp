// What other programs drop on the window: text becomes a note, a Brindamor file is opened,
// any other file is refused.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "AppFixture.h"
#include "app/TSDIDecFrame.h"
#include "mainwin/TZeltoWindow.h"
#include "platform/Cp1252.h"
#include "view/TNoteWindow.h"

namespace zelto::testing {
namespace {

using Answer = Prompter::Answer;
using Kind = Prompter::Asked::Kind;

class DropsTest : public AppFixture {
 protected:
  // Drops `data` in the middle of the note window, as a drag from another program does,
  // and lets the program carry the drop out. Whether some window took the drop.
  bool DropOnNoteWindow(QMimeData& data) {
    QWidget* target = app->MainWindow()->NoteView()->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
  }
  bool DropText(const QString& text) {
    QMimeData data;
    data.setText(text);
    return DropOnNoteWindow(data);
  }
  bool DropFiles(const QStringList& names) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : names) urls << QUrl::fromLocalFile(dir.filePath(name));
    data.setUrls(urls);
    data.setText(urls.first().toString());  // file managers send the names as text too
    return DropOnNoteWindow(data);
  }
  std::vector<std::string> Notes() const {
    std::vector<std::string> out;
    for (const NoteString& note : app->doc.tabs[0].notes) out.push_back(note.text);
    return out;
  }
};

TEST_F(DropsTest, TextBecomesANoteOfTheCurrentCategoryUnderThePasteRules) {
  StartOnSavedDocument();
  EXPECT_TRUE(DropText(QStringLiteral("first line\nsecond line")));
  EXPECT_EQ(Notes(), std::vector<std::string>{"first line\r\nsecond line"});
  EXPECT_TRUE(app->doc.modified);

  // A character that a note cannot hold: the message of Paste, and no note.
  const QString greek = QStringLiteral("\u03a9 ohm");
  DropText(greek);
  EXPECT_EQ(Notes().size(), 1u);
  ASSERT_EQ(Prompter::History().size(), 1u);
  EXPECT_EQ(Prompter::History()[0].text, Cp1252::RefusalMessage(Cp1252::Encode(greek).unmappable));
}

TEST_F(DropsTest, ABrindamorFileIsOpenedAfterTheQuestionAboutChanges) {
  StartOnSavedDocument();
  ChangeDocument("in other.zlt");
  Prompter::SetNextFileName(dir.filePath("other.zlt"));
  app->CmFileSaveAs();
  app->fileData.fileName = Path("start.zlt");
  app->doc.tabs[0].notes = NoteList();
  ChangeDocument("unsaved");

  Prompter::ResetTestHooks();
  Prompter::SetNextAnswer(Answer::No);
  EXPECT_TRUE(DropFiles({QStringLiteral("other.zlt")}));
  EXPECT_EQ(SaveQuestions(), 1);
  EXPECT_EQ(app->fileData.fileName, Path("other.zlt"));
  EXPECT_EQ(Notes(), std::vector<std::string>{"in other.zlt"});
  EXPECT_FALSE(app->doc.modified);

  // The dropped file's lock is taken and the one of the document before it let go.
  EXPECT_TRUE(DropFiles({QStringLiteral("start.zlt")}));
  EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  EXPECT_TRUE(Exists(Path(".start.zlt.lock")));
  EXPECT_FALSE(Exists(Path(".other.zlt.lock")));
}

TEST_F(DropsTest, OtherFilesAreRefusedWithAMessageAndChangeNothing) {
  StartOnSavedDocument();
  WriteFile(Path("notes.txt"), "plain text");
  ChangeDocument("kept");
  for (const QStringList& names : {QStringList{"notes.txt"}, QStringList{"a.zlt", "b.zlt"}}) {
    Prompter::ResetTestHooks();
    DropFiles(names);
    ASSERT_EQ(Prompter::History().size(), 1u) << names.join(' ').toStdString();
    EXPECT_EQ(Prompter::History()[0].kind, Kind::Message);
    EXPECT_EQ(Notes(), std::vector<std::string>{"kept"});
    EXPECT_EQ(app->fileData.fileName, Path("start.zlt"));
  }
  EXPECT_EQ(Prompter::History()[0].text,
            QStringLiteral("Only one document can be open at a time: drop a single Brindamor "
                           "file (*.zlt)."));
}

}  // namespace
}  // namespace zelto::testing
