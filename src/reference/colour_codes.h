// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace reference {

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// One cell of the colour code window: the caption as it is shown (one ampersand) and the
// colour of the bar beneath it.
struct ColourCode {
    std::string_view caption;
    Rgb colour;
};

// One row of two cells, with the client position of its two bars.
struct ColourCodeRow {
    int barY;
    int leftBarX, rightBarX;
    ColourCode left, right;
};

// The 16 colour codes in rows 1 to 8, then the 6 format codes on grey bars.
extern const std::array<ColourCodeRow, 11> colourCodeTable;

} // namespace reference
