#pragma once
// The one open document: its categories and the state flags around them.
#include <string_view>

#include "model/TabList.h"

namespace zelto {

struct Document {
  static constexpr std::string_view signature = "ZELTO";
  static constexpr std::string_view fileVersion = "1.01";

  TabList tabs;
  bool modified = false;    // changed since the last load or save
  bool oldFormat = false;   // the loaded file has the older "1.00" layout
  bool cutPending = false;  // a category is cut and waits to be pasted
};

}  // namespace zelto
