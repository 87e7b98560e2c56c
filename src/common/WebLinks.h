#pragma once
// Web links in note texts: finding one, the popup item that offers it, and the check
// made before one is handed to the desktop. Texts are Windows-1252 bytes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelto {

// The link of a note: from the first "http" (or, when there is none, the first "ftp"),
// letter case ignored, up to the next NUL, tab, LF, CR or blank. Nothing when web links
// are switched off or the text holds neither word.
std::optional<std::string> FindUrl(std::string_view noteText, bool wwwEnabled);

// The longest popup item text for a link; a longer link is cut with "..." in the item
// (the link that is opened stays whole).
inline constexpr std::size_t MaxLinkItemLength = 100;

// "Link to URL " and the link, cut to MaxLinkItemLength characters with "..." at the end.
// Like every item text here it is plain text: a menu shows it through MenuLiteral.
std::string LinkItemText(std::string_view link);

// A menu item text that shows `text` literally: every '&' doubled, so that no letter is
// taken for a keyboard mnemonic.
std::string MenuLiteral(std::string_view text);

// Whether a found link may be handed to the desktop: only a web address with the scheme
// http, https or ftp (any letter case), "://", a host, and no control character.
bool IsWebAddress(std::string_view link);

// The link of a note when it is a web address; nothing otherwise, also when FindUrl finds
// text that merely begins with the letters ("ftphone" in "softphone", "http:abc"). This is
// the link that activating a note opens and that the note's popup offers.
std::optional<std::string> FindWebAddress(std::string_view noteText, bool wwwEnabled);

// The message for a found text that is no web address.
std::string NotWebAddressMessage(std::string_view link);

}  // namespace zelto
