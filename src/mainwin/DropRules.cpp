#include "mainwin/DropRules.h"

#include "mainwin/CategoryRules.h"

namespace zelto {
namespace {

bool IsLive(const TabList& tabs, std::size_t index) {
  return tabs.Valid(index) && tabs[index].state != TabState::Deleted;
}

}  // namespace

bool NoteDropChanges(const TabList& tabs, std::size_t from, std::size_t target) {
  return from != target && IsLive(tabs, from) && IsLive(tabs, target);
}

CategoryDrop CheckCategoryDrop(const TabList& tabs, std::size_t moved, std::size_t target,
                               std::string_view defaultCat) {
  if (!IsLive(tabs, moved) || !IsLive(tabs, target)) return CategoryDrop::NoCategory;
  if (IsProtectedDefaultCategory(tabs, moved, defaultCat)) return CategoryDrop::DefaultCategory;
  if (tabs[moved].parent == target) return CategoryDrop::Unchanged;
  if (IsSelfOrDescendant(tabs, target, moved)) return CategoryDrop::InsideItself;
  if (ChildNameTaken(tabs, static_cast<TabInx>(target), tabs[moved].text))
    return CategoryDrop::NameTaken;
  return CategoryDrop::Move;
}

}  // namespace zelto
