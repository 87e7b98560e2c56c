#include "platform/SchemeHandler.h"

#include <cctype>

namespace zelto {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool IsBlank(const std::string& answer) {
  return answer.find_first_not_of(" \t\r\n") == std::string::npos;
}

SchemeHandler Ask(const std::string& scheme, const DefaultApplicationQuery& query) {
  const std::optional<std::string> answer = query("x-scheme-handler/" + scheme);
  if (!answer) return SchemeHandler::Unknown;
  return IsBlank(*answer) ? SchemeHandler::Missing : SchemeHandler::Found;
}

}  // namespace

SchemeHandler FindSchemeHandler(std::string_view scheme, const DefaultApplicationQuery& query) {
  const std::string name = Lower(scheme);
  const SchemeHandler own = Ask(name, query);
  if (own != SchemeHandler::Missing) return own;
  if (name == "https" || name == "ftp") return Ask("http", query);
  return own;
}

}  // namespace zelto
