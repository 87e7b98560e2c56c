#include "common/CommandTable.h"

namespace zelto {

void CommandTable::Add(int id, Handler handler, Rule enabled, Rule checked) {
  entries_[id] = Entry{std::move(handler), std::move(enabled), std::move(checked)};
}

void CommandTable::AddEnabler(int id, Rule enabled, Rule checked) {
  Entry& entry = entries_[id];
  entry.enabled = std::move(enabled);
  entry.checked = std::move(checked);
}

void CommandTable::Remove(int id) { entries_.erase(id); }

bool CommandTable::HandlesCommand(int id) const {
  const auto it = entries_.find(id);
  return it != entries_.end() && static_cast<bool>(it->second.handler);
}

void CommandTable::DoCommand(int id) {
  const auto it = entries_.find(id);
  if (it == entries_.end() || !it->second.handler) return;
  // A copy: the handler may change the table (or destroy its owner's state) while it runs.
  Handler handler = it->second.handler;
  handler();
}

std::optional<bool> CommandTable::Enabled(int id) const {
  const auto it = entries_.find(id);
  if (it == entries_.end() || !it->second.enabled) return std::nullopt;
  return it->second.enabled();
}

std::optional<bool> CommandTable::Checked(int id) const {
  const auto it = entries_.find(id);
  if (it == entries_.end() || !it->second.checked) return std::nullopt;
  return it->second.checked();
}

}  // namespace zelto
