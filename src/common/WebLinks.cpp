#include "common/WebLinks.h"

#include <array>

#include "common/TextSearch.h"
#include "model/TextOrder.h"

namespace zelto {

std::optional<std::string> FindUrl(std::string_view noteText, bool wwwEnabled) {
  if (!wwwEnabled) return std::nullopt;
  std::size_t start = FindTextIgnoringCase(noteText, "http");
  if (start == std::string_view::npos) start = FindTextIgnoringCase(noteText, "ftp");
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t end = noteText.find_first_of(std::string_view("\0\t\n\r ", 5), start);
  return std::string(noteText.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string LinkItemText(std::string_view link) {
  std::string item = "Link to URL ";
  item += link;
  if (item.size() > MaxLinkItemLength) {
    item.resize(MaxLinkItemLength - 3);
    item += "...";
  }
  return item;
}

std::string MenuLiteral(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

bool IsWebAddress(std::string_view link) {
  static constexpr std::array<std::string_view, 3> schemes = {"http://", "https://", "ftp://"};
  for (std::string_view scheme : schemes) {
    if (!TextStartsWith(link, scheme)) continue;
    const std::string_view rest = link.substr(scheme.size());
    // The host runs up to the path, query or fragment and must not be empty.
    const std::size_t hostEnd = rest.find_first_of("/?#");
    if (rest.substr(0, hostEnd).empty()) return false;
    for (char c : link) {
      const auto b = static_cast<unsigned char>(c);
      if (b < 0x20 || b == 0x7F || c == ' ') return false;
    }
    return true;
  }
  return false;
}

std::optional<std::string> FindWebAddress(std::string_view noteText, bool wwwEnabled) {
  std::optional<std::string> link = FindUrl(noteText, wwwEnabled);
  if (link && !IsWebAddress(*link)) link.reset();
  return link;
}

std::string NotWebAddressMessage(std::string_view link) {
  return "\"" + std::string(link) +
         "\" is not a web address. Only addresses that begin with http://, https:// or ftp:// "
         "can be opened.";
}

}  // namespace zelto
