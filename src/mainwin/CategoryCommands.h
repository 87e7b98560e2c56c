#pragma once
// The category commands of the main window: add a category beside the current one or a
// child under it, rename a category, delete or cut a category with everything below it,
// and paste a cut category back as a child or a sibling of the current one.
#include "common/CommandTable.h"
#include "mainwin/CategoryRules.h"
#include "mainwin/EditingContext.h"

namespace zelto {

class CategoryCommands {
 public:
  explicit CategoryCommands(EditingContext& context) : c_(context) {}

  // Adds the handlers and enablers of the category commands to `table`.
  void Register(CommandTable& table);

  void AddCategory();
  void AddSubcategory();
  // Renames the current category (name and print mark).
  void EditCategory();
  // Renames the category of the current line (name only).
  void EditLineCategory();
  // Asks whether to keep the category for a later paste: Yes cuts it, No deletes it with
  // its subtree and notes, Cancel does nothing. The top-level default category is kept.
  void DeleteCategory(TabInx category);
  void DeleteCurrentCategory();
  void DeleteLineCategory();
  void PasteTree(TreePaste where);

  // Whether `category` may be deleted (it is not the top-level default category).
  bool MayDelete(TabInx category) const;

 private:
  // Shows the outcome of an add that was refused.
  void ReportRefusedAdd(AddCategoryResult result) const;

  EditingContext& c_;
};

}  // namespace zelto
