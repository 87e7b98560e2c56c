#include "platform/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/InstalledData.h"

namespace zelto {
namespace {

constexpr const char* kContents = "contents";
constexpr const char* kHelpOnHelp = "helponhelp";

QString ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

class HelpViewer : public QWidget {
 public:
  explicit HelpViewer(const QString& html) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Brindamor Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setHtml(html);
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(contents, &QPushButton::clicked, this, [this] { Go(QString::fromLatin1(kContents)); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(560, 480);
  }

  // Shows the section `anchor`; false when the text has no such section.
  bool Go(const QString& anchor) {
    if (!HasAnchor(anchor)) return false;
    browser_->scrollToAnchor(anchor);
    return true;
  }

  bool HasAnchor(const QString& anchor) const {
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().anchorNames().contains(anchor)) return true;
      }
    }
    return false;
  }

  QTextBrowser* browser_;

 protected:
  // Escape closes the help window, as in any window that only shows something.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      event->accept();
      close();
      return;
    }
    QWidget::keyPressEvent(event);
  }
};

QPointer<HelpViewer>& Viewer() {
  static QPointer<HelpViewer> viewer;
  return viewer;
}

bool Show(const QString& anchor, QWidget* owner) {
  if (!Viewer()) {
    const QString html = HelpWindow::LoadHelpText();
    if (html.isEmpty()) return false;
    Viewer() = new HelpViewer(html);
    if (owner != nullptr) {
      const QPoint at = owner->geometry().topLeft() + QPoint(40, 40);
      Viewer()->move(at);
    }
  }
  HelpViewer* viewer = Viewer();
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  if (!viewer->Go(anchor)) viewer->Go(QString::fromLatin1(kContents));
  return true;
}

}  // namespace

QString HelpWindow::LoadHelpText() {
  // Beside the program (a build folder), then where it is installed, then the copy built
  // into the program.
  const QString name = QString::fromLatin1(FileName);
  for (const QString& folder : {QCoreApplication::applicationDirPath(),
                                InstalledProgramDataFolder(), QStringLiteral(":/help")}) {
    QString html = ReadFile(QDir(folder).filePath(name));
    if (!html.isEmpty()) return html;
  }
  return {};
}

bool HelpWindow::ShowContents(QWidget* owner) {
  return Show(QString::fromLatin1(kContents), owner);
}
bool HelpWindow::ShowHelpOnHelp(QWidget* owner) {
  return Show(QString::fromLatin1(kHelpOnHelp), owner);
}
bool HelpWindow::ShowContext(int context, QWidget* owner) { return Show(AnchorOf(context), owner); }

void HelpWindow::Quit() {
  if (Viewer()) Viewer()->close();
}

QTextBrowser* HelpWindow::Browser() { return Viewer() ? Viewer()->browser_ : nullptr; }

QString HelpWindow::AnchorOf(int context) { return QStringLiteral("context%1").arg(context); }

}  // namespace zelto
