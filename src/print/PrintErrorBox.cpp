#include "print/PrintErrorBox.h"

#include "platform/Prompter.h"

namespace zelto {

void PrintErrorBox::ReportPrintError() {
  Prompter::Message(QStringLiteral("Print error"), QString());
}

}  // namespace zelto
