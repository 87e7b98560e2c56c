#include "platform/HelpWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>

#include "support/QtApp.h"

namespace zelto {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnsureQApplication(); }
  void TearDown() override { HelpWindow::Quit(); }
};

TEST_F(HelpWindowTest, HelpFileHasContentsHelpOnHelpAndEveryContextOfTheProgram) {
  const QString html = HelpWindow::LoadHelpText();
  ASSERT_FALSE(html.isEmpty());
  for (const char* anchor : {"contents", "helponhelp"}) {
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(anchor)))) << anchor;
  }
  for (int context : {1, 9, 10, 11, 12, 13}) {
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(HelpWindow::AnchorOf(context))))
        << context;
  }
}

TEST_F(HelpWindowTest, RequestsOpenOneWindowAndQuitClosesIt) {
  ASSERT_TRUE(HelpWindow::ShowContents());
  QTextBrowser* browser = HelpWindow::Browser();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->toPlainText().contains("Brindamor Help: Contents"));
  EXPECT_TRUE(HelpWindow::ShowContext(11));
  EXPECT_TRUE(HelpWindow::ShowContext(4711));  // unknown: the contents instead, not a failure
  EXPECT_TRUE(HelpWindow::ShowHelpOnHelp());
  EXPECT_EQ(HelpWindow::Browser(), browser);  // the same window serves every request
  HelpWindow::Quit();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(HelpWindow::Browser(), nullptr);
  HelpWindow::Quit();  // quitting again is harmless
}

TEST_F(HelpWindowTest, EscapeClosesTheWindow) {
  ASSERT_TRUE(HelpWindow::ShowContents());
  // The key goes to the text, which has the focus and passes it on to the window.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(HelpWindow::Browser(), &escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(HelpWindow::Browser(), nullptr);
}

}  // namespace
}  // namespace zelto
