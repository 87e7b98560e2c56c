#pragma once
// Routes the frame's commands: from the widget with the keyboard focus up its parent chain
// (every widget there that is a CommandTarget takes part), then to the application object.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "common/CommandRouting.h"

namespace zelto {

// Makes `target` take part in routing for `widget`, a widget that is no CommandTarget itself;
// nullptr removes it. The target must outlive its use by the widget.
void SetCommandTarget(QWidget* widget, CommandTarget* target);
// The target of `widget` in a chain: the widget itself, the one set for it, or nullptr.
CommandTarget* CommandTargetOf(QWidget* widget);

class CommandRouter {
 public:
  // `frame` is the top of the widget chain; `fallback` (the frame's client) starts the chain
  // when the focus is elsewhere.
  CommandRouter(QWidget* frame, CommandTarget* app);

  void SetApplication(CommandTarget* app) { app_ = app; }
  void SetFallbackStart(QWidget* start) { fallback_ = start; }

  // The targets a command visits now, first to last.
  std::vector<CommandTarget*> Chain() const;
  // Hands `id` to the first target that handles it; false when none does.
  bool Dispatch(int id) const;
  CommandState State(int id) const;

 private:
  QWidget* frame_;
  QPointer<QWidget> fallback_;
  CommandTarget* app_;
};

}  // namespace zelto
