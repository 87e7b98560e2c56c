#pragma once
// The values the Configure menu asks for as text: how a margin is shown for editing, and
// which typed column counts and margins are taken. Also the custom colours the colour
// dialog starts with.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/SettingsStore.h"

namespace zelto {

// A margin with two decimals, rounded half up: 0.75 -> "0.75", 2 -> "2.00", 0.006 -> "0.01".
std::string MarginText(double margin);

// The column count a typed text asks for: the decimal number at its start ("3x" is 3; a
// text without one reads as 0). Nothing when it is not an accepted count (1 to 7).
std::optional<std::uint32_t> TypedColumnCount(std::string_view text);

// The margin a typed text asks for: the decimal number at its start. Nothing when the text
// holds none or the margin is not accepted (at least 0 and below 10).
std::optional<double> TypedMargin(std::string_view text);

// The sixteen custom colours of the colour dialog at their first use in a run: a near
// black, then greys in steps of 16.
std::array<Colour, 16> InitialCustomColours();

}  // namespace zelto
