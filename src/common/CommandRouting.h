#pragma once
// How a command travels along a chain of targets: from the window with the keyboard focus
// up through its parents to the main window, then the application object.
#include <span>

#include "common/CommandTarget.h"

namespace zelto {

struct CommandState {
  bool enabled = false;
  bool checked = false;
};

// The first target of `chain` that handles `id`, or nullptr.
CommandTarget* FindHandler(std::span<CommandTarget* const> chain, int id);

// Hands `id` to the first target that handles it; false when none does.
bool RouteCommand(std::span<CommandTarget* const> chain, int id);

// The first target with an enabler for `id` decides; without one the command is enabled
// exactly when some target handles it. The first target that says so decides the check mark.
CommandState StateOf(std::span<CommandTarget* const> chain, int id);

}  // namespace zelto
