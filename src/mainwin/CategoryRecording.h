#pragma once
// Records one operation on the category table as a step of the history: begun before it
// changes anything, finished once the window shows its outcome. An operation that changed
// nothing leaves no step.
#include <memory>

#include "mainwin/EditingContext.h"
#include "mainwin/WindowPlace.h"
#include "model/CategoryTableChange.h"

namespace zelto {

struct Recording {
  explicit Recording(EditingContext& context)
      : c(context),
        before(context.Place()),
        change(std::make_unique<CategoryTableChange>(context.doc)) {}
  void Finish(const char* name) {
    if (change->Finish(c.doc)) c.Record(name, std::move(change), before);
  }
  EditingContext& c;
  WindowPlace before;
  std::unique_ptr<CategoryTableChange> change;
};

}  // namespace zelto
