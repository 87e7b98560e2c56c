#pragma once
// The program's help: a window that shows the help file "zelto.hlp" (HTML with one anchor
// "contextN" per context number), for the requests contents, help on help, a context, and
// quit. The file beside the program is preferred, so that it can be updated on its own;
// otherwise the copy built into the program is shown.
#include <QString>

class QWidget;
class QTextBrowser;

namespace zelto {

class HelpWindow {
 public:
  static constexpr const char* FileName = "zelto.hlp";

  // Each returns false when the help file cannot be read (nothing is shown then).
  static bool ShowContents(QWidget* owner = nullptr);
  static bool ShowHelpOnHelp(QWidget* owner = nullptr);
  // The section of `context`; the contents when the file has no such section.
  static bool ShowContext(int context, QWidget* owner = nullptr);
  // Closes the help window if it is open.
  static void Quit();

  // The help text (HTML), or empty when no help file can be read.
  static QString LoadHelpText();
  // The open help window's browser, or nullptr.
  static QTextBrowser* Browser();
  // The anchor of a context number's section.
  static QString AnchorOf(int context);
};

}  // namespace zelto
