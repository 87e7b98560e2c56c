#pragma once
// Makes sure a QApplication exists for GoogleTest cases that create widgets. It lives until
// the test program ends.
#include <QApplication>

namespace zelto::testing {

inline QApplication& EnsureQApplication() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  static int argc = 1;
  static char name[] = "zelto_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace zelto::testing
