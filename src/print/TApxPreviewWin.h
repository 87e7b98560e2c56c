#pragma once
// The print preview: a window that takes the main frame's place while it is open and shows
// one page, or two facing pages, of the printout as large as the window allows, with a tool
// bar to page through the document, switch between one and two pages, print and close, and
// the number of pages in the status bar.
#include <QMainWindow>
#include <QRect>
#include <functional>
#include <memory>

#include "print/TApxPreviewWinPages.h"
#include "print/TApxPrintout.h"

class QAction;
class QEventLoop;
class QLabel;

namespace zelto {

// Ids of the preview's tool bar; printing uses the program's print command.
enum PreviewCommandId : int {
  CM_PREVPAGE = 24500,
  CM_NEXTPAGE = 24501,
  CM_ONEPAGE = 24502,
  CM_TWOPAGE = 24503,
  IDG_PAGETEXT = 24504,
  CM_PREVIEWCLOSE = 24505,
};

// One shown page: paints page `n` of the printout scaled into itself, white when the
// printout has no such page.
class TPreviewPage : public QWidget {
  Q_OBJECT

 public:
  TPreviewPage(TApxPrintout& printout, const PageDevice& printerPage, int n,
               QWidget* parent = nullptr);
  int PageNumber() const { return n_; }
  void SetPageNumber(int n);

 signals:
  // After every paint: painting counts the printout's pages anew.
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TApxPrintout& printout_;
  PageDevice printerPage_;
  int n_;
};

class TApxPreviewWin : public QMainWindow {
  Q_OBJECT

 public:
  // Previews `layout` on pages of the printer described by `printerPage`. `frame` is the main
  // frame the preview covers (its caption becomes the preview's); `printedWindow` is the
  // window the printout is made for (may be nullptr). The layout must outlive the window.
  TApxPreviewWin(QWidget* frame, ListPrintout& layout, const PageDevice& printerPage,
                 QWidget* printedWindow = nullptr,
                 const QString& title = QStringLiteral("Print Preview"));
  ~TApxPreviewWin() override;

  // Called when the preview has closed, with its outer rectangle; by default the frame
  // takes that position and size, so a moved or resized preview leaves the frame there.
  using HandBack = std::function<void(const QRect& outer)>;
  void SetHandBack(HandBack handBack) { handBack_ = std::move(handBack); }
  // Whether printing is possible now; printing is offered always when not given.
  void SetPrintEnabler(std::function<bool()> enabler) { printEnabler_ = std::move(enabler); }

  // Takes the frame's place, hides the frame and runs until the preview is closed; then hands
  // the place back and shows the frame again.
  int RunModal();

  // The tool bar's commands.
  void CmPrevious();
  void CmNext();
  void CmOnePage();
  void CmTwoPages();
  // Re-evaluates which commands are possible now.
  void UpdateEnablers();

  const PreviewPages& Pages() const { return pages_; }
  TApxPrintout& Printout() { return *printout_; }
  QString PageText() const;
  // The status bar's count of the printout's pages ("1 page", "4 pages").
  QString PageCountText() const;
  QAction* Action(int id) const;
  TPreviewPage* Page1() const { return page1_; }
  TPreviewPage* Page2() const { return page2_; }
  QWidget* PageArea() const { return pageArea_; }

  // A window's position and size including its frame, and setting them.
  static QRect OuterRect(const QWidget& window);
  static void SetOuterRect(QWidget& window, const QRect& outer);

 signals:
  // The print button: the program's print command runs while the preview stays open.
  void printRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape closes the preview, as the close button does.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolBar();
  void ShowPages();
  void LayOutPages();

  QWidget* frame_;
  PageDevice printerPage_;
  std::unique_ptr<TApxPrintout> printout_;
  PreviewPages pages_;
  QWidget* pageArea_ = nullptr;
  TPreviewPage* page1_ = nullptr;
  TPreviewPage* page2_ = nullptr;
  QLabel* pageText_ = nullptr;
  QLabel* pageCount_ = nullptr;
  QAction* previous_ = nullptr;
  QAction* next_ = nullptr;
  QAction* onePage_ = nullptr;
  QAction* twoPages_ = nullptr;
  QAction* print_ = nullptr;
  QAction* close_ = nullptr;
  HandBack handBack_;
  std::function<bool()> printEnabler_;
  QEventLoop* loop_ = nullptr;
};

}  // namespace zelto
