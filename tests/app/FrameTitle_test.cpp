// The frame's title: which document is open and whether it has unsaved changes; and where
// the first save of a document the user never named went.
#include <QEventLoop>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include "AppFixture.h"
#include "app/TSDIDecFrame.h"

namespace zelto::testing {
namespace {

// Counts the changes of a window's title and of its unsaved-changes marker.
class EventCounter : public QObject {
 public:
  explicit EventCounter(int& count) : count_(count) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowTitleChange || e->type() == QEvent::ModifiedChange) ++count_;
    return false;
  }

 private:
  int& count_;
};

class FrameTitleTest : public AppFixture {
 protected:
  // Lets the program wait for input once, as it does after every command and key.
  static void Idle() {
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
  }
  // The title as the window system shows it.
  QString Shown() const {
    QWindow* window = app->Frame()->windowHandle();
    return window ? window->title() : QString();
  }
  QString StatusText() const { return app->Frame()->statusBar()->currentMessage(); }
};

TEST_F(FrameTitleTest, TitleNamesTheFileAndMarksUnsavedChanges) {
  // A first start: the default file does not exist yet, and its default category is new.
  Start();
  Idle();
  EXPECT_EQ(Shown(), "start.zlt* - Brindamor, version 1.01");

  app->CmFileSave();
  Idle();
  EXPECT_EQ(Shown(), "start.zlt - Brindamor, version 1.01");
  // The user never chose that file: the status bar says where the document went.
  EXPECT_TRUE(StatusText().contains(QString::fromStdString(Path("start.zlt"))))
      << StatusText().toStdString();

  // A change by any means shows at the next wait; later saves say nothing more.
  ChangeDocument();
  Idle();
  EXPECT_EQ(Shown(), "start.zlt* - Brindamor, version 1.01");
  app->Frame()->statusBar()->clearMessage();
  app->CmFileSave();
  EXPECT_EQ(StatusText(), QString());

  // Waiting with nothing changed touches the title not at all: each change of it would wake
  // the program up again, and it would never rest.
  Idle();
  EXPECT_EQ(Shown(), "start.zlt - Brindamor, version 1.01");
  int titleEvents = 0;
  EventCounter counter(titleEvents);
  app->Frame()->installEventFilter(&counter);
  Idle();
  Idle();
  app->Frame()->removeEventFilter(&counter);
  EXPECT_EQ(titleEvents, 0);

  app->CmFileNew();
  Idle();
  EXPECT_EQ(Shown(), "Untitled - Brindamor, version 1.01");
  ChangeDocument();
  Idle();
  EXPECT_EQ(Shown(), "Untitled* - Brindamor, version 1.01");
}

TEST_F(FrameTitleTest, ANamedNewFileIsSavedWithoutANote) {
  Start({Path("ideas.zlt")});
  Idle();
  EXPECT_EQ(Shown(), "ideas.zlt* - Brindamor, version 1.01");
  app->CmFileSave();
  EXPECT_EQ(StatusText(), QString());
  // Questions name the program, not the document.
  Prompter::Message(QStringLiteral("x"));
  EXPECT_EQ(Prompter::History().back().caption, "Brindamor, version 1.01");
}

}  // namespace
}  // namespace zelto::testing
