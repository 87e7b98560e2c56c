#pragma once
// Whether the desktop has a program for addresses of a scheme ("tel", "http"), asked the way
// freedesktop desktops keep it: the default application of the type
// "x-scheme-handler/<scheme>". Asking first lets the program say that nothing will dial or
// open an address, where the desktop's opener would fail without a word.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zelto {

// The desktop's default application for a type: its name (empty when it has none), or
// nothing when the desktop cannot be asked.
using DefaultApplicationQuery = std::function<std::optional<std::string>(const std::string& type)>;

enum class SchemeHandler {
  Found,
  Missing,
  Unknown,  // the desktop could not be asked; the address is handed over all the same
};

// The handler of `scheme` (letter case ignored). A web address whose own scheme has none
// goes to the browser, the handler of "http", as the desktop's opener does.
SchemeHandler FindSchemeHandler(std::string_view scheme, const DefaultApplicationQuery& query);

}  // namespace zelto
