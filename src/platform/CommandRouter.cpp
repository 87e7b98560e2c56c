#include "platform/CommandRouter.h"

#include <QApplication>

namespace zelto {
namespace {
constexpr const char* kTargetProperty = "zeltoCommandTarget";
}

void SetCommandTarget(QWidget* widget, CommandTarget* target) {
  widget->setProperty(kTargetProperty,
                      target ? QVariant::fromValue(static_cast<void*>(target)) : QVariant());
}

CommandTarget* CommandTargetOf(QWidget* widget) {
  if (auto* target = dynamic_cast<CommandTarget*>(widget)) return target;
  const QVariant set = widget->property(kTargetProperty);
  return set.isValid() ? static_cast<CommandTarget*>(set.value<void*>()) : nullptr;
}

CommandRouter::CommandRouter(QWidget* frame, CommandTarget* app) : frame_(frame), app_(app) {}

std::vector<CommandTarget*> CommandRouter::Chain() const {
  QWidget* start = QApplication::focusWidget();
  if (start == nullptr || (start != frame_ && !frame_->isAncestorOf(start))) start = nullptr;
  // A focus on the frame's own bars is no place for a command to begin.
  if (start == nullptr || (fallback_ && start != fallback_ && !fallback_->isAncestorOf(start))) {
    start = fallback_ ? fallback_.data() : frame_;
  }
  std::vector<CommandTarget*> chain;
  for (QWidget* w = start; w != nullptr; w = w->parentWidget()) {
    if (CommandTarget* target = CommandTargetOf(w)) chain.push_back(target);
    if (w == frame_) break;
  }
  if (app_ != nullptr) chain.push_back(app_);
  return chain;
}

bool CommandRouter::Dispatch(int id) const {
  const std::vector<CommandTarget*> chain = Chain();
  return RouteCommand(chain, id);
}

CommandState CommandRouter::State(int id) const { return StateOf(Chain(), id); }

}  // namespace zelto
