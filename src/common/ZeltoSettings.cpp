#include "common/ZeltoSettings.h"

#include "common/RecentDocumentSettings.h"

namespace zelto {

void ZeltoSettings::ReadSettings(SettingsStore& store, const std::string& notePadDefault) {
  auto flag = [&store](const char* name, bool fallback) {
    return store.ReadDword(name, fallback ? 1 : 0) != 0;
  };
  // Values the program itself never writes outside these ranges; a hand-edited value
  // beyond them would break the layout or the printout, so it keeps the current value.
  auto checked = [](auto value, auto valid, auto current) {
    return valid(value) ? value : current;
  };
  store.OpenSettingsKey();
  MainColor = store.ReadColour("MainColor", MainColor);
  ExecColor = store.ReadColour("ExecColor", ExecColor);
  DetailColor = store.ReadColour("DetailColor", DetailColor);
  CatColor = store.ReadColour("CatColor", CatColor);
  NoPrintColor = store.ReadColour("NoPrintColor", NoPrintColor);
  MultiLine = store.ReadDword("MultiLine", MultiLine);
  NumCols = checked(store.ReadDword("NumCols", NumCols), IsValidColumnCount, NumCols);
  PrintFontSize =
      checked(store.ReadDword("PrintFontSize", PrintFontSize), IsValidFontSize, PrintFontSize);
  PrintFont = store.ReadString("PrintFont", PrintFont);
  TopMargin = checked(store.ReadReal("TopMargin", TopMargin), IsValidMargin, TopMargin);
  BottomMargin = checked(store.ReadReal("BottomMargin", BottomMargin), IsValidMargin, BottomMargin);
  LeftMargin = checked(store.ReadReal("LeftMargin", LeftMargin), IsValidMargin, LeftMargin);
  RightMargin = checked(store.ReadReal("RightMargin", RightMargin), IsValidMargin, RightMargin);
  HorizRatio = checked(store.ReadReal("HorizRatio", HorizRatio), IsValidRatio, HorizRatio);
  VertRatio = checked(store.ReadReal("VertRatio", VertRatio), IsValidRatio, VertRatio);
  EditFont = store.ReadDword("EditFont", EditFont);
  ClickURL = store.ReadDword("ClickURL", ClickURL);
  DateFormat = store.ReadDword("DateFormat", DateFormat);
  WWWEnabled = flag("WWWEnabled", WWWEnabled);
  OutsideLine = store.ReadString("OutsideLine", OutsideLine);
  Plus = store.ReadString("Plus", Plus);
  KeepCommas = flag("KeepCommas", KeepCommas);
  KeepW = flag("KeepW", KeepW);
  PhoneAsIs = flag("PhoneAsIs", PhoneAsIs);
  MinPhone = store.ReadDword("MinPhone", MinPhone);
  Browser = store.ReadString("Browser", Browser);
  ScreenFont = store.ReadString("ScreenFont", ScreenFont);
  ScreenFontSize =
      checked(store.ReadDword("ScreenFontSize", ScreenFontSize), IsValidFontSize, ScreenFontSize);
  NotePad = store.ReadString("NotePad", notePadDefault);
  PhoneLength1 = store.ReadDword("PhoneLength1", PhoneLength1);
  PhonePrefix1 = store.ReadString("PhonePrefix1", PhonePrefix1);
  PhoneLength2 = store.ReadDword("PhoneLength2", PhoneLength2);
  PhonePrefix2 = store.ReadString("PhonePrefix2", PhonePrefix2);
  PhoneLength3 = store.ReadDword("PhoneLength3", PhoneLength3);
  PhonePrefix3 = store.ReadString("PhonePrefix3", PhonePrefix3);
  AutoSaveSeconds = checked(store.ReadDword("AutoSaveSeconds", AutoSaveSeconds), IsValidAutoSave,
                            AutoSaveSeconds);
  RecentFiles =
      checked(store.ReadDword("RecentFiles", RecentFiles), IsValidRecentFiles, RecentFiles);
  DefaultCat = store.ReadString("DefaultCat", DefaultCat, MaxLongSettingText);
  DefaultFile = store.ReadString("DefaultFile", DefaultFile, MaxLongSettingText);
  UndoSteps = checked(store.ReadDword("UndoSteps", UndoSteps), IsValidUndoSteps, UndoSteps);
  store.CloseSettingsKey();
}

}  // namespace zelto
