// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace item {

// A colour of three 0..255 components, as Options: Color takes it for potions and leather
// armour.
struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColour &, const RgbColour &) = default;
};

// "239,103,216".
std::string formatRgbColour(RgbColour colour);

// The "r,g,b" of a config: three whole numbers 0..255 between commas, blanks around each
// allowed; nothing for any other text.
std::optional<RgbColour> parseRgbColour(std::string_view text);

// Empty without a colour, else "  Options:" and "    Color: r,g,b".
std::string buildColourOptionsBlock(const std::optional<RgbColour> &colour);

} // namespace item
