#include "common/CommandRouting.h"

namespace zelto {

CommandTarget* FindHandler(std::span<CommandTarget* const> chain, int id) {
  for (CommandTarget* target : chain) {
    if (target != nullptr && target->HandlesCommand(id)) return target;
  }
  return nullptr;
}

bool RouteCommand(std::span<CommandTarget* const> chain, int id) {
  CommandTarget* handler = FindHandler(chain, id);
  if (handler == nullptr) return false;
  handler->DoCommand(id);
  return true;
}

CommandState StateOf(std::span<CommandTarget* const> chain, int id) {
  CommandState state;
  std::optional<bool> enabled;
  std::optional<bool> checked;
  for (CommandTarget* target : chain) {
    if (target == nullptr) continue;
    if (!enabled) enabled = target->Enabled(id);
    if (!checked) checked = target->Checked(id);
    if (enabled && checked) break;
  }
  state.enabled = enabled ? *enabled : FindHandler(chain, id) != nullptr;
  state.checked = checked.value_or(false);
  return state;
}

}  // namespace zelto
