// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_entry.h"
#include "core/target_server.h"
#include "item/rgb_colour.h"

namespace item {

struct DyeColour {
    std::string_view caption; // the dye's colour in the game's Simplified Chinese
    std::string_view key;     // Bukkit's DyeColor name, the same for both targets
    RgbColour swatch;         // the colour the game paints a banner layer with
};

// The rows of the layer colour drop-down list, in the game's dye order.
extern const std::array<DyeColour, 16> dyeColours;

struct BannerPattern {
    std::string_view caption;   // the pattern's name in the game's Simplified Chinese
    std::string_view legacyKey; // Bukkit's PatternType name before Minecraft 1.20.5
    std::string_view modernKey; // Bukkit's PatternType name since Minecraft 1.20.5
};

// The rows of the pattern drop-down list, in Bukkit's order.
extern const std::array<BannerPattern, 41> bannerPatterns;

std::string_view bannerPatternKey(const BannerPattern &pattern, core::TargetServer target);

// Whether the plugin paints BannerLayers on the item: a banner of any colour (or the plain
// "banner" of servers before 1.13) and the shield.
bool takesBannerLayers(std::string_view itemId);

// The row for the selected colour and pattern; nothing when either selection is not a row
// of its table. The row text is the line a current server reads, "<COLOUR> <modern pattern>",
// for the same reasons as a potion effect row; the tag stays 0.
std::optional<core::ListEntry> bannerLayerRow(int colourRow, int patternRow);

// The row for a "COLOUR PATTERN" line of a file's BannerLayers, in any case; nothing for an
// unknown colour or pattern. A pattern name is looked up among the target's names first:
// DIAGONAL_RIGHT names one pattern on an Mm4 server and another on an Mm5 server.
std::optional<core::ListEntry> bannerLayerRowFromLine(std::string_view line,
                                                      core::TargetServer target);

// A loom adds at most this many layers; some game versions draw a banner with more wrongly.
inline constexpr std::size_t craftableBannerLayers = 6;
inline constexpr std::string_view tooManyBannerLayersWarning = "超过6层可能显示异常";

// "红色 波纹边" for the row "RED CURLY_BORDER"; a row that is no layer line shows its text.
std::string bannerLayerListText(const core::ListEntry &row);

// Empty without layer rows, else "  BannerLayers:" and one "  - COLOUR PATTERN" entry per row
// in list order, which is the order the layers are painted in, bottom first. Rows that are no
// layer line are left out.
std::string buildBannerLayerBlock(const std::vector<core::ListEntry> &rows,
                                  core::TargetServer target);

} // namespace item
