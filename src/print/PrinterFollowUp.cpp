#include "print/PrinterFollowUp.h"

namespace zelto {

PrinterFollowUp FollowDefaultPrinter(const std::string& lastDefault, const std::string& nowDefault,
                                     const std::string& device, bool usable) {
  if (nowDefault == lastDefault) return PrinterFollowUp::Keep;
  if (nowDefault.empty()) return PrinterFollowUp::Recreate;
  if (usable && device == nowDefault) return PrinterFollowUp::Keep;
  return PrinterFollowUp::Recreate;
}

}  // namespace zelto
