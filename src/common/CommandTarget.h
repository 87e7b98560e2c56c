#pragma once
// A window (or the application object) that takes part in command routing: it may handle a
// command and may decide whether the command's menu item is enabled or checked.
#include <optional>

namespace zelto {

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // True when this target carries out `id` (it then stops the command's travel).
  virtual bool HandlesCommand(int id) const = 0;
  virtual void DoCommand(int id) = 0;
  // An enabler's decision for `id`, or nothing when this target has no enabler for it.
  virtual std::optional<bool> Enabled(int /*id*/) const { return std::nullopt; }
  // Whether the item of `id` carries a check mark, or nothing when this target does not say.
  virtual std::optional<bool> Checked(int /*id*/) const { return std::nullopt; }
};

// The application object as the frame sees it: the last target of every chain, and the
// close query that runs before the frame closes.
class ApplicationTarget : public CommandTarget {
 public:
  // Whether the program may close now (may ask about unsaved changes and save).
  virtual bool CloseQuery() = 0;
};

}  // namespace zelto
