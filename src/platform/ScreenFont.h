#pragma once
// The screen font: a face name (Windows-1252 bytes) and the height of one line of text.
#include <QFont>
#include <string>

namespace zelto {

struct ZeltoSettings;

// Sizes `font` so that one line of its text, from its highest accent to its lowest
// descender, is at most `cellHeight` pixels tall.
void FitFontToCellHeight(QFont& font, int cellHeight);

// A normal-weight font of `face` whose lines are `cellHeight` pixels tall.
QFont MakeScreenFont(const std::string& face, int cellHeight);

// The font of the ScreenFont and ScreenFontSize settings.
QFont ScreenFontOf(const ZeltoSettings& settings);

}  // namespace zelto
