#pragma once
// The one-line input dialog of the configuration commands: a caption, a prompt and an edit
// field of at most 20 characters, with OK and Cancel. Tests queue the answers instead of
// showing it, and read back what was asked.
#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace zelto {

class TextPrompt {
 public:
  static constexpr int MaxLength = 20;

  // The text confirmed with OK, or nothing when cancelled. `text` is what the field starts
  // with. In test mode (Prompter::InTestMode) the next queued answer is returned, and a
  // question without one is cancelled.
  static std::optional<QString> Ask(QWidget* owner, const QString& caption, const QString& prompt,
                                    const QString& text);

  // ---- test hooks ----
  static void SetNextAnswer(const std::optional<QString>& answer);
  struct Asked {
    QString caption;
    QString prompt;
    QString text;
  };
  static const std::vector<Asked>& History();
  static void Reset();
};

}  // namespace zelto
