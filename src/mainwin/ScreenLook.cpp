#include "mainwin/ScreenLook.h"

#include <limits>

#include "common/ZeltoSettings.h"

namespace zelto {

ScreenLook LookOf(const ZeltoSettings& settings) {
  ScreenLook look;
  look.catColor = settings.CatColor;
  look.detailColor = settings.DetailColor;
  look.mainColor = settings.MainColor;
  look.execColor = settings.ExecColor;
  look.noPrintColor = settings.NoPrintColor;
  look.multiLine = settings.MultiLine != 0;
  look.screenFont = settings.ScreenFont;
  look.screenFontSize =
      settings.ScreenFontSize <= static_cast<std::uint32_t>(std::numeric_limits<int>::max())
          ? static_cast<int>(settings.ScreenFontSize)
          : look.screenFontSize;
  look.horizRatio = settings.HorizRatio;
  look.vertRatio = settings.VertRatio;
  return look;
}

}  // namespace zelto
