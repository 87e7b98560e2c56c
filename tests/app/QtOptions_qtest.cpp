// The options QApplication takes for itself never reach the document name. Each case builds
// its own QApplication on a command line of its own, as the program's start does.
#include <QApplication>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace {

struct Case {
  std::vector<std::string> args;  // after the program name
  std::string documentName;       // empty: the default document
};

std::string DocumentNameAfterQt(const std::vector<std::string>& args) {
  std::vector<std::string> storage{"zelto"};
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(storage.size() + 1);
  for (std::string& arg : storage) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(storage.size());
  const QApplication qtApp(argc, argv.data());
  return zelto::ParseCommandLine(zelto::ArgumentsLeftByQt(argc, argv.data()), {}).documentName;
}

}  // namespace

int main() {
  const Case cases[] = {
      {{"-style", "fusion", "work.zlt"}, "work.zlt"},
      {{"-session", "x"}, ""},
      {{"--session", "x", "-platform", "offscreen", "-reverse", "my notes.zlt"}, "my notes.zlt"},
      {{"work.zlt", "-style=fusion"}, "work.zlt"},
  };
  int failures = 0;
  for (const Case& c : cases) {
    const std::string name = DocumentNameAfterQt(c.args);
    if (name != c.documentName) {
      ++failures;
      qWarning("after '%s ...' the document name is '%s', expected '%s'", c.args.front().c_str(),
               name.c_str(), c.documentName.c_str());
    }
  }
  return failures == 0 ? 0 : 1;
}
