#pragma once
// The rules of the category commands: unique names among siblings, the protected default
// category, and pasting a cut category back into the tree.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/CategoryList.h"
#include "model/Document.h"

namespace zelto {

class CategoryReorder;

inline constexpr std::string_view CategoryExistsMessage = "Category already in list!";
inline constexpr std::string_view PasteInsideItselfMessage =
    "A category cannot be pasted inside itself.";

// Add category: the new name clashes with an item of the category list (the current
// category and its listed siblings; cut siblings are not listed and do not count).
bool SiblingNameTaken(const CategoryList& list, std::string_view name);

// Add subcategory: the new name clashes with a child of `parent` in any state, cut
// children included.
bool ChildNameTaken(const TabList& tabs, TabInx parent, std::string_view name);

// The top-level category named like the DefaultCat setting (letter case ignored); it
// cannot be deleted. A child of that name can.
bool IsProtectedDefaultCategory(const TabList& tabs, std::size_t index,
                                std::string_view defaultCat);

enum class AddCategoryResult {
  Added,
  NameTaken,  // "Category already in list!"; nothing was added
  NoParent,   // the parent given is no category
  TableFull,  // the document holds the most categories it can
};

// Add category: a new Normal category at the level the list shows (beside its selected
// category; the top level when the list is empty), unless a listed sibling has the
// name. The new name is listed and selected.
AddCategoryResult AddSiblingCategory(Document& doc, CategoryList& list, const NoteString& name);

// Add subcategory: a new Normal child of `parent`, unless a child of it (cut ones
// included) has the name. The category list is not changed.
AddCategoryResult AddChildCategory(Document& doc, TabInx parent, const NoteString& name);

// "Save category <name> and children for later paste?"
std::string SaveCategoryQuestion(std::string_view name);

// True when `index` is `ancestor` itself or lies somewhere below it.
bool IsSelfOrDescendant(const TabList& tabs, std::size_t index, std::size_t ancestor);

// The first category (lowest index) in state Cut, or NO_PARENT when none is.
TabInx FirstCutCategory(const TabList& tabs);

enum class TreePaste {
  AsChild,    // under the current category
  AsSibling,  // beside the current category, under its parent
};

enum class TreePasteResult {
  Pasted,        // the cut category is Normal again under its new parent
  NothingCut,    // no category waits to be pasted
  InsideItself,  // refused: the new parent is the cut category or lies below it
};

// Pastes the first cut category as a child or a sibling of `current`, then sorts the
// categories and refills `list` (as SortCategories does, from its selection). Without a
// valid current category it goes to the top level. A paste that would hang the category
// below itself is refused and changes nothing; with nothing cut only `modified` is set.
// `cutPending` stays set while another category is still cut.
// With `sorted`, what the sort did to the table is recorded there.
TreePasteResult PasteTree(Document& doc, CategoryList& list, TabInx current, TreePaste where,
                          CategoryReorder* sorted = nullptr);

// Paste tree with category `moved` in the place of the cut one: the same checks and
// steps, for a category that is dropped where it goes rather than cut first.
TreePasteResult PasteCategory(Document& doc, CategoryList& list, TabInx moved, TabInx current,
                              TreePaste where, CategoryReorder* sorted = nullptr);

}  // namespace zelto
