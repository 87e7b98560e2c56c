#pragma once
// A window's response table: the commands it handles, each with an optional enabler and
// check-mark rule. A window owns one and forwards its CommandTarget calls to it, so the
// operations of other files can add their commands without changing the window's class.
#include <functional>
#include <map>
#include <optional>

#include "common/CommandTarget.h"

namespace zelto {

class CommandTable : public CommandTarget {
 public:
  using Handler = std::function<void()>;
  using Rule = std::function<bool()>;

  // Adds or replaces the handler of `id`; without `enabled` the command is always enabled.
  void Add(int id, Handler handler, Rule enabled = {}, Rule checked = {});
  // An enabler (and check-mark rule) without a handler: the command goes on along the chain.
  void AddEnabler(int id, Rule enabled, Rule checked = {});
  void Remove(int id);

  bool HandlesCommand(int id) const override;
  void DoCommand(int id) override;
  std::optional<bool> Enabled(int id) const override;
  std::optional<bool> Checked(int id) const override;

 private:
  struct Entry {
    Handler handler;
    Rule enabled;
    Rule checked;
  };
  std::map<int, Entry> entries_;
};

}  // namespace zelto
