#include "app/MenuTable.h"

#include <array>

#include "common/CommandIds.h"

namespace zelto {
namespace {

using K = MenuEntry::Kind;

constexpr MenuEntry Popup(const char* text) { return {K::Popup, text, 0, nullptr}; }
constexpr MenuEntry Item(const char* text, int id, const char* hint = nullptr) {
  return {K::Item, text, id, hint};
}
constexpr MenuEntry Separator() { return {K::Separator}; }
constexpr MenuEntry End() { return {K::End}; }

constexpr std::array kMainMenu{
    Popup("&File"),
    Item("&New", CM_FILENEW, "Creates a new window"),
    Item("&Open...", CM_FILEOPEN, "Opens a window"),
    Separator(),
    Item("&Save", CM_FILESAVE, "Saves the active document"),
    Item("Save &As...", CM_FILESAVEAS, "Saves the active document with a new name"),
    Separator(),
    Item("Prin&t options", CM_PRINTOPTIONS),
    Item("Print Pre&view...", CM_FILEPRINTPREVIEW, "Displays full pages as read-only"),
    Item("&Print...", CM_FILEPRINT, "Prints the active document"),
    Item("P&rint Setup...", CM_FILEPRINTERSETUP,
         "Sets print characteristics for the active document"),
    Separator(),
    Item("E&xit\tAlt+F4", CM_EXIT, "Quits Zelto and prompts to save the documents"),
    End(),

    Popup("&Edit"),
    // The texts of Undo and Redo name the step they take back or make again.
    Item("&Undo", CM_EDITUNDO, "Undoes the last change to the document"),
    Item("&Redo", CM_EDITREDO, "Redoes the change last undone"),
    Separator(),
    Item("&Add Note\tA", CM_ADDNOTE, "Add note to note window"),
    Item("Add &Subcategory", CM_ADDSUBCATEGORY, "Add child category"),
    Item("Add Cate&gory", CM_ADDCATEGORY, "Add category as sibling of parent"),
    Separator(),
    Item("&Delete Note\tD", CM_DELETENOTE, "Deletes note and puts it on the Clipboard"),
    Item("De&lete Category", CM_DELETECATEGORY, "Deletes category and children"),
    Item("&Delete Subcategory", CM_DELETESUBCATEGORY, "Deletes child category and its children"),
    Separator(),
    Item("&Edit Note\tE", CM_EDITNOTE, "Edit the current entry"),
    Item("Ed&it Category", CM_EDITCATEGORY, "Edit parent category"),
    Item("&Edit Subcategory\tE", CM_EDITSUBCATEGORY, "Edit child category"),
    Separator(),
    Item("&Copy\tCtrl+C", CM_EDITCOPY, "Copies note to the Clipboard"),
    Item("&Paste\tCtrl+V", CM_EDITPASTE, "Inserts the Clipboard contents"),
    End(),

    Popup("&Search"),
    Item("&Find...\tF", CM_EDITFIND, "Finds the specified text"),
    Item("&Next\tN", CM_EDITFINDNEXT, "Finds the next match"),
    Item("Find &all...\tCtrl+Shift+F", CM_FINDALL, "Lists every note that contains a text"),
    End(),

    Popup("&Utilities"),
    Item("&View note in Notepad", CM_VIEWNOTEPAD),
    Item("&Split entry", CM_SPLITENTRY, "Split current note into one note per line"),
    Item("Save as &text", CM_SAVEASTEXT, "Save entire file in text format"),
    Item("Save as &Markdown", CM_SAVEASMARKDOWN, "Save entire file as Markdown"),
    Item("Save as &HTML", CM_SAVEASHTML, "Save entire file as a web page"),
    Item("Save as &JSON", CM_SAVEASJSON, "Save entire file as JSON data"),
    End(),

    Popup("&Configure"),
    Popup("&Screen"),
    Popup("&Colors"),
    Item("&Category", CM_COLORCATEGORY, "Category color"),
    Item("&Detail", CM_COLORDETAIL, "Color of expanded entry window text"),
    Item("&Note", CM_COLORNOTE, "Default color"),
    Item("E&xecute", CM_COLOREXECUTE, "Color of execution links"),
    Item("No&Print", CM_COLORNOPRINT, "Color of non-printing entries"),
    End(),
    Item("&Font", CM_SCREENFONT, "Change screen font"),
    Item("&Show past line break", CM_MULTILINE, "Toggle more than one line per row"),
    End(),
    Popup("&Printing"),
    Item("&Font", CM_PRINTERFONT, "Change printer font"),
    Item("&Columns", CM_COLUMNS, "Change number of print columns"),
    Popup("&Margins"),
    Item("&Left", CM_MARGINLEFT, "Change left margin"),
    Item("&Right", CM_MARGINRIGHT, "Change right margin"),
    Item("&Top", CM_MARGINTOP, "Change top margin"),
    Item("&Bottom", CM_MARGINBOTTOM, "Change bottom margin"),
    End(),
    End(),
    Item("&Default category", CM_DEFAULTCATEGORY, "Change the default category"),
    Item("&Default Brindamor file", CM_DEFAULTFILE, "Change the default data file"),
    Item("&Enable web links", CM_ENABLEWEB, "Enable web linking"),
    End(),

    Popup("&Help"),
    Item("&Contents", CM_HELPCONTENTS),
    Item("&Using help", CM_HELPUSING),
    Separator(),
    Item("&About...", CM_HELPABOUT, "About the Zelto application"),
    End(),
};

constexpr std::array<ToolButton, 13> kToolBar{{
    {CM_FILENEW, "New"},
    {CM_FILEOPEN, "Open"},
    {CM_FILESAVE, "Save"},
    {0, nullptr},
    {CM_DELETENOTE, "Delete Note"},
    {CM_EDITCOPY, "Copy"},
    {CM_EDITPASTE, "Paste"},
    {0, nullptr},
    {CM_EDITFIND, "Find"},
    {CM_EDITFINDNEXT, "Next"},
    {0, nullptr},
    {CM_FILEPRINT, "Print"},
    {CM_FILEPRINTPREVIEW, "Print Preview"},
}};

constexpr std::array<Accelerator, 7> kAccelerators{{
    {"Shift+Del", CM_EDITCUT},
    {"Ctrl+Ins", CM_EDITCOPY},
    {"Shift+Ins", CM_EDITPASTE},
    {"Ctrl+Del", CM_EDITCLEAR},
    {"Alt+Backspace", CM_EDITUNDO},
    {"F3", CM_EDITFINDNEXT},
    {"Ctrl+Shift+F", CM_FINDALL},
}};

constexpr std::array<Accelerator, 7> kDesktopKeys{{
    {"Ctrl+N", CM_FILENEW},
    {"Ctrl+O", CM_FILEOPEN},
    {"Ctrl+S", CM_FILESAVE},
    {"Ctrl+Shift+S", CM_FILESAVEAS},
    {"Ctrl+P", CM_FILEPRINT},
    {"Ctrl+F", CM_EDITFIND},
    {"Ctrl+Q", CM_EXIT},
}};

}  // namespace

std::span<const MenuEntry> MainMenuTable() { return kMainMenu; }

std::string_view CommandHint(int id) {
  for (const MenuEntry& entry : kMainMenu) {
    if (entry.kind == K::Item && entry.id == id) return entry.hint ? entry.hint : "";
  }
  return {};
}

std::span<const ToolButton> ToolBarTable() { return kToolBar; }
std::span<const Accelerator> AcceleratorTable() { return kAccelerators; }
std::span<const Accelerator> DesktopKeyTable() { return kDesktopKeys; }

}  // namespace zelto
