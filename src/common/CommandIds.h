#pragma once
// Command ids of the menus, accelerators, tool bar and popup menu. The numbers are the
// program's own and stay fixed (help contexts and resources refer to them).
namespace zelto {

enum CommandId : int {
  CM_ADDNOTE = 1,
  CM_ADDSUBCATEGORY = 2,
  CM_ADDCATEGORY = 3,
  CM_SORTCATEGORIES = 4,
  CM_DELETECATEGORY = 5,
  CM_DELETESUBCATEGORY = 6,
  CM_DELETENOTE = 7,
  CM_SAVEASTEXT = 8,
  CM_LINKURL = 9,
  CM_PHONE0 = 10,  // 10 to 15: phone numbers 0 to 5 of the last popup
  CM_PHONE5 = 15,
  CM_PASTETREECHILD = 20,
  CM_PASTETREESIBLING = 21,
  CM_RUN = 22,
  CM_ADDPROGRAM = 23,
  CM_PRINTOPTIONS = 24,
  CM_HELPCONTENTS = 25,
  CM_HELPUSING = 26,
  CM_SPLITENTRY = 27,
  CM_EDITCATEGORY = 29,
  CM_EDITSUBCATEGORY = 30,
  CM_EDITNOTE = 31,
  CM_VIEWNOTEPAD = 32,
  CM_EDITREDO = 33,        // redo the change last undone (undo is CM_EDITUNDO)
  CM_SAVEASMARKDOWN = 40,  // the exports beside Save as text
  CM_SAVEASHTML = 41,
  CM_SAVEASJSON = 42,
  CM_COLORCATEGORY = 50,
  CM_COLORDETAIL = 51,
  CM_COLORNOTE = 52,
  CM_COLOREXECUTE = 53,
  CM_COLORNOPRINT = 54,
  CM_SCREENFONT = 60,
  CM_MULTILINE = 61,
  CM_PRINTERFONT = 70,
  CM_COLUMNS = 71,
  CM_MARGINLEFT = 80,
  CM_MARGINRIGHT = 81,
  CM_MARGINTOP = 82,
  CM_MARGINBOTTOM = 83,
  CM_DEFAULTCATEGORY = 90,
  CM_DEFAULTFILE = 91,
  CM_ENABLEWEB = 92,
  CM_HELPABOUT = 2009,
  CM_EXIT = 24310,
  CM_EDITUNDO = 24321,
  CM_EDITCUT = 24322,
  CM_EDITCOPY = 24323,
  CM_EDITPASTE = 24324,
  CM_EDITCLEAR = 24326,
  CM_FILENEW = 24331,
  CM_FILEOPEN = 24332,
  CM_FILESAVE = 24333,
  CM_FILESAVEAS = 24334,
  CM_FILEPRINT = 24337,
  CM_FILEPRINTERSETUP = 24338,
  CM_FILEPRINTPREVIEW = 24340,
  CM_EDITFIND = 24351,
  // The recent documents of the File menu, newest first (as many as MostRecentFiles).
  CM_RECENTFILE1 = 24360,
  CM_RECENTFILELAST = 24375,
  CM_EDITFINDNEXT = 24353,
  CM_FINDALL = 24355,  // the Find all pane
};

}  // namespace zelto
