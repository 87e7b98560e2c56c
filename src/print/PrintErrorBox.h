#pragma once
// Reports a print error to the user in a message box.
#include "print/PrintSurface.h"

namespace zelto {

class PrintErrorBox : public PrintErrorReport {
 public:
  void ReportPrintError() override;
};

}  // namespace zelto
