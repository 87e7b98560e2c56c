#include "print/PrintErrorBox.h"

#include <QMessageBox>

namespace zelto {

void PrintErrorBox::ReportPrintError() {
  QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("Print error"), QMessageBox::Ok);
  box.exec();
}

}  // namespace zelto
