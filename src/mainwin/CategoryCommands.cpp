#include "mainwin/CategoryCommands.h"

#include "common/ApplicationName.h"
#include "common/CommandIds.h"
#include "common/ZeltoSettings.h"
#include "mainwin/CategoryRecording.h"
#include "model/CategoryTableChange.h"
#include "model/TreeOps.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/StatusMessage.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

// Selects the list item of category `category`, if it is listed.
void SelectItemOf(CategoryList& list, std::size_t category) { list.SelectCategory(category); }

// The index category `index` will have once SortCategories has put the table in order (a
// stable sort by CategoryCompare; the Deleted ones it purges all sort behind it).
std::size_t IndexAfterSort(const TabList& tabs, std::size_t index) {
  std::size_t before = 0;
  for (std::size_t j = 0; j < tabs.Count(); ++j) {
    if (j == index) continue;
    const bool sortsFirst = CategoryCompare(tabs[j], tabs[index]);
    const bool equal = !sortsFirst && !CategoryCompare(tabs[index], tabs[j]);
    if (sortsFirst || (equal && j < index)) ++before;
  }
  return before;
}

// The status bar's note after a category was cut.
QString CutCategoryNote(const std::string& name) {
  return QStringLiteral("Category %1 is cut: choose a category and paste it as child or sibling")
      .arg(Cp1252::Decode(name));
}

}  // namespace

void CategoryCommands::Register(CommandTable& table) {
  const auto hasCategory = [this] { return c_.HasCurrentCategory(); };
  const auto onCategoryLine = [this] { return c_.CurrentLine().IsCategoryLine(); };
  table.Add(
      CM_ADDCATEGORY, [this] { AddCategory(); }, hasCategory);
  table.Add(
      CM_ADDSUBCATEGORY, [this] { AddSubcategory(); }, hasCategory);
  table.Add(
      CM_EDITCATEGORY, [this] { EditCategory(); }, hasCategory);
  table.Add(
      CM_EDITSUBCATEGORY, [this] { EditLineCategory(); }, onCategoryLine);
  table.Add(
      CM_DELETECATEGORY, [this] { DeleteCurrentCategory(); },
      [this] {
        const auto current = c_.CurrentCategory();
        return current && MayDelete(*current);
      });
  table.Add(
      CM_DELETESUBCATEGORY, [this] { DeleteLineCategory(); },
      [this] {
        const LineTarget line = c_.CurrentLine();
        return line.IsCategoryLine() && MayDelete(line.category);
      });
  table.Add(
      CM_PASTETREECHILD, [this] { PasteTree(TreePaste::AsChild); }, hasCategory);
  table.Add(
      CM_PASTETREESIBLING, [this] { PasteTree(TreePaste::AsSibling); }, hasCategory);
}

bool CategoryCommands::MayDelete(TabInx category) const {
  return !IsProtectedDefaultCategory(c_.doc.tabs, category, c_.settings.DefaultCat);
}

void CategoryCommands::ReportRefusedAdd(AddCategoryResult result) const {
  const QString caption = QString::fromLatin1(ApplicationName);
  switch (result) {
    case AddCategoryResult::NameTaken:
      Prompter::Message(QString::fromLatin1(CategoryExistsMessage.data(),
                                            static_cast<qsizetype>(CategoryExistsMessage.size())),
                        caption);
      break;
    case AddCategoryResult::TableFull:
      Prompter::Message(QStringLiteral("The document cannot hold any more categories."), caption,
                        Prompter::Icon::Warning);
      break;
    case AddCategoryResult::Added:
    case AddCategoryResult::NoParent:
      break;
  }
}

void CategoryCommands::AddCategory() {
  if (!c_.HasCurrentCategory()) return;
  NoteString name;
  if (!RunNoteDialog(c_.dialogs, c_.doc, "Add category", name, EditedText::CategoryName)) return;
  Recording recording(c_);
  const AddCategoryResult result = AddSiblingCategory(c_.doc, c_.list, name);
  if (result != AddCategoryResult::Added) {
    ReportRefusedAdd(result);
    return;
  }
  // The new category is selected in the list: the note window shows it from the top.
  c_.ShowSelectionFromTop();
  recording.Finish("Add Category");
}

void CategoryCommands::AddSubcategory() {
  const auto parent = c_.CurrentCategory();
  if (!parent) return;
  NoteString name;
  if (!RunNoteDialog(c_.dialogs, c_.doc, "Add subcategory", name, EditedText::CategoryName)) return;
  Recording recording(c_);
  const AddCategoryResult result = AddChildCategory(c_.doc, *parent, name);
  if (result != AddCategoryResult::Added) {
    ReportRefusedAdd(result);
    return;
  }
  c_.RefreshNoteWindow();
  recording.Finish("Add Subcategory");
}

void CategoryCommands::EditCategory() {
  const auto current = c_.CurrentCategory();
  if (!current) return;
  Tab& tab = c_.doc.tabs[*current];
  NoteString copy{tab.text, tab.flags};
  if (!RunNoteDialog(c_.dialogs, c_.doc, "Edit category", copy, EditedText::CategoryName)) return;
  Recording recording(c_);
  recording.change->WatchName(c_.doc.tabs, *current);
  tab.text = copy.text;
  tab.flags = copy.flags;
  // Only the renamed item changes in the list: out with the old name, in with the new one
  // at its sorted place, selected. The rest of the level stays as listed, a cut category
  // that a search showed there included.
  c_.list.DeleteString(c_.list.GetSelIndex());
  const int pos = c_.list.AddString(tab.text);
  c_.list.SetItemData(pos, *current);
  c_.list.SetSelIndex(pos);
  c_.RefreshNoteWindow();
  recording.Finish("Edit Category");
}

void CategoryCommands::EditLineCategory() {
  const LineTarget line = c_.CurrentLine();
  if (!line.IsCategoryLine()) return;
  Tab& tab = c_.doc.tabs[line.category];
  NoteString copy{tab.text, 0};
  if (!RunNoteDialog(c_.dialogs, c_.doc, "Edit category", copy, EditedText::CategoryName)) return;
  Recording recording(c_);
  recording.change->WatchName(c_.doc.tabs, line.category);
  tab.text = copy.text;
  c_.RefreshNoteWindow();
  recording.Finish("Edit Subcategory");
}

void CategoryCommands::DeleteCurrentCategory() {
  if (const auto current = c_.CurrentCategory()) DeleteCategory(*current);
}

void CategoryCommands::DeleteLineCategory() {
  const LineTarget line = c_.CurrentLine();
  if (line.IsCategoryLine()) DeleteCategory(line.category);
}

void CategoryCommands::DeleteCategory(TabInx category) {
  TabList& tabs = c_.doc.tabs;
  if (!tabs.Valid(category) || tabs[category].state == TabState::Deleted || !MayDelete(category))
    return;
  const std::string question = SaveCategoryQuestion(tabs[category].text);
  const Prompter::Answer answer = Prompter::AskYesNoCancel(Cp1252::Decode(question), QString());
  if (answer == Prompter::Answer::Cancel) return;

  Recording recording(c_);
  const char* step = answer == Prompter::Answer::No ? "Delete Category" : "Cut Category";
  const auto before = c_.CurrentCategory();
  const bool currentGoes = before && IsSelfOrDescendant(tabs, *before, category);
  // Deleting an ancestor of the current category takes the whole level the list shows.
  const bool levelGoes = currentGoes && *before != category && answer == Prompter::Answer::No;
  const std::string currentName = before ? tabs[*before].text : std::string();
  const std::string deletedName = tabs[category].text;
  if (answer == Prompter::Answer::No) {
    MarkSubtree(tabs, category, TabState::Deleted);
  } else {
    tabs[category].state = TabState::Cut;
    c_.doc.cutPending = true;
  }
  const TabInx parent = tabs[category].parent;
  const std::size_t parentAfterSort =
      parent == NO_PARENT ? NO_PARENT : IndexAfterSort(tabs, parent);
  SortCategories(c_.doc, c_.list, recording.change->SortRecord());
  c_.doc.modified = true;
  // A cut category is out of sight until it is pasted: say where it went and what next.
  if (answer == Prompter::Answer::Yes) ShowStatusMessage(&c_.notes, CutCategoryNote(deletedName));
  if (!currentGoes) {
    c_.RefreshNoteWindow();
    recording.Finish(step);
    return;
  }
  if (levelGoes) {
    // The list shows the level the deleted category was on instead, with the first
    // category whose name begins with the deleted one's name selected (none when none does).
    FillLevel(tabs, static_cast<TabInx>(parentAfterSort), c_.list);
    if (!deletedName.empty()) c_.list.SelectString(deletedName);
  } else if (c_.list.GetSelIndex() == CategoryList::None && !currentName.empty()) {
    // The first sibling whose name begins with the former current category's name takes
    // its place (none when no name matches).
    c_.list.SelectString(currentName);
  }
  // A level left with no category at all offers nothing to choose: the list goes up to the
  // level of the removed category's parent, which is selected.
  if (c_.list.GetCount() == 0 && parentAfterSort != NO_PARENT && tabs.Valid(parentAfterSort)) {
    FillLevel(tabs, tabs[parentAfterSort].parent, c_.list);
    SelectItemOf(c_.list, parentAfterSort);
  }
  c_.ShowSelectionFromTop();
  recording.Finish(step);
}

void CategoryCommands::PasteTree(TreePaste where) {
  const auto current = c_.CurrentCategory();
  if (!current) return;
  Recording recording(c_);
  const TreePasteResult result =
      zelto::PasteTree(c_.doc, c_.list, *current, where, recording.change->SortRecord());
  if (result == TreePasteResult::InsideItself) {
    Prompter::Message(QString::fromLatin1(PasteInsideItselfMessage.data(),
                                          static_cast<qsizetype>(PasteInsideItselfMessage.size())),
                      QString::fromLatin1(ApplicationName), Prompter::Icon::Warning);
    return;
  }
  // The note about the cut category is done.
  if (result == TreePasteResult::Pasted) ShowStatusMessage(&c_.notes, QString());
  c_.RefreshNoteWindow();
  recording.Finish(where == TreePaste::AsChild ? "Paste Tree as Child" : "Paste Tree as Sibling");
}

}  // namespace zelto
