#pragma once
// What becomes of the printer object when the desktop's default printer may have changed.
#include <string>

namespace zelto {

enum class PrinterFollowUp { Keep, Recreate };

// `lastDefault` is the default printer seen when last asked, `nowDefault` the one the desktop
// names now (empty: none). Nothing happens unless the default changed. Then an empty default
// always gives a new printer object; otherwise the object stays only when it is usable and
// already set up for the new default (`device`), so a printer chosen in Print Setup is kept
// for as long as the default printer stays the same.
PrinterFollowUp FollowDefaultPrinter(const std::string& lastDefault, const std::string& nowDefault,
                                     const std::string& device, bool usable);

}  // namespace zelto
