// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/banner_patterns.h"

#include "item/config_words.h"

namespace item {

const std::array<DyeColour, 16> dyeColours = {{
    {"白色", "WHITE", {0xF9, 0xFF, 0xFE}},
    {"橙色", "ORANGE", {0xF9, 0x80, 0x1D}},
    {"品红色", "MAGENTA", {0xC7, 0x4E, 0xBD}},
    {"淡蓝色", "LIGHT_BLUE", {0x3A, 0xB3, 0xDA}},
    {"黄色", "YELLOW", {0xFE, 0xD8, 0x3D}},
    {"黄绿色", "LIME", {0x80, 0xC7, 0x1F}},
    {"粉红色", "PINK", {0xF3, 0x8B, 0xAA}},
    {"灰色", "GRAY", {0x47, 0x4F, 0x52}},
    {"淡灰色", "LIGHT_GRAY", {0x9D, 0x9D, 0x97}},
    {"青色", "CYAN", {0x16, 0x9C, 0x9C}},
    {"紫色", "PURPLE", {0x89, 0x32, 0xB8}},
    {"蓝色", "BLUE", {0x3C, 0x44, 0xAA}},
    {"棕色", "BROWN", {0x83, 0x54, 0x32}},
    {"绿色", "GREEN", {0x5E, 0x7C, 0x16}},
    {"红色", "RED", {0xB0, 0x2E, 0x26}},
    {"黑色", "BLACK", {0x1D, 0x1D, 0x21}},
}};

// Minecraft 1.20.5 renamed eight constants after the game's ids. The diagonals are the trap:
// the old DIAGONAL_RIGHT is the new DIAGONAL_UP_RIGHT, and the new DIAGONAL_RIGHT is the old
// DIAGONAL_RIGHT_MIRROR. The captions take left and right from the bearer's side, as the game
// does, so "右底方" is the square_bottom_left pattern.
const std::array<BannerPattern, 41> bannerPatterns = {{
    {"底", "BASE", "BASE"},
    {"右底方", "SQUARE_BOTTOM_LEFT", "SQUARE_BOTTOM_LEFT"},
    {"左底方", "SQUARE_BOTTOM_RIGHT", "SQUARE_BOTTOM_RIGHT"},
    {"右顶方", "SQUARE_TOP_LEFT", "SQUARE_TOP_LEFT"},
    {"左顶方", "SQUARE_TOP_RIGHT", "SQUARE_TOP_RIGHT"},
    {"底横条", "STRIPE_BOTTOM", "STRIPE_BOTTOM"},
    {"顶横条", "STRIPE_TOP", "STRIPE_TOP"},
    {"右竖条", "STRIPE_LEFT", "STRIPE_LEFT"},
    {"左竖条", "STRIPE_RIGHT", "STRIPE_RIGHT"},
    {"中竖条", "STRIPE_CENTER", "STRIPE_CENTER"},
    {"中横条", "STRIPE_MIDDLE", "STRIPE_MIDDLE"},
    {"右斜条", "STRIPE_DOWNRIGHT", "STRIPE_DOWNRIGHT"},
    {"左斜条", "STRIPE_DOWNLEFT", "STRIPE_DOWNLEFT"},
    {"竖条纹", "STRIPE_SMALL", "SMALL_STRIPES"},
    {"斜十字", "CROSS", "CROSS"},
    {"正十字", "STRAIGHT_CROSS", "STRAIGHT_CROSS"},
    {"底三角", "TRIANGLE_BOTTOM", "TRIANGLE_BOTTOM"},
    {"顶三角", "TRIANGLE_TOP", "TRIANGLE_TOP"},
    {"底波纹", "TRIANGLES_BOTTOM", "TRIANGLES_BOTTOM"},
    {"顶波纹", "TRIANGLES_TOP", "TRIANGLES_TOP"},
    {"右上三角", "DIAGONAL_LEFT", "DIAGONAL_LEFT"},
    {"左下三角", "DIAGONAL_RIGHT", "DIAGONAL_UP_RIGHT"},
    {"右下三角", "DIAGONAL_LEFT_MIRROR", "DIAGONAL_UP_LEFT"},
    {"左上三角", "DIAGONAL_RIGHT_MIRROR", "DIAGONAL_RIGHT"},
    {"圆形", "CIRCLE_MIDDLE", "CIRCLE"},
    {"菱形", "RHOMBUS_MIDDLE", "RHOMBUS"},
    {"右半方形", "HALF_VERTICAL", "HALF_VERTICAL"},
    {"上半方形", "HALF_HORIZONTAL", "HALF_HORIZONTAL"},
    {"左半方形", "HALF_VERTICAL_MIRROR", "HALF_VERTICAL_RIGHT"},
    {"下半方形", "HALF_HORIZONTAL_MIRROR", "HALF_HORIZONTAL_BOTTOM"},
    {"方框边", "BORDER", "BORDER"},
    {"波纹边", "CURLY_BORDER", "CURLY_BORDER"},
    {"苦力怕盾徽", "CREEPER", "CREEPER"},
    {"自上渐淡", "GRADIENT", "GRADIENT"},
    {"自下渐淡", "GRADIENT_UP", "GRADIENT_UP"},
    {"砖纹", "BRICKS", "BRICKS"},
    {"头颅盾徽", "SKULL", "SKULL"},
    {"花朵盾徽", "FLOWER", "FLOWER"},
    {"Mojang徽标", "MOJANG", "MOJANG"},
    {"地球", "GLOBE", "GLOBE"},
    {"猪鼻", "PIGLIN", "PIGLIN"},
}};

namespace {

struct BannerLayer {
    std::size_t colourRow;
    std::size_t patternRow;
};

template <typename Table> bool isRowOf(const Table &table, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < table.size();
}

std::optional<std::size_t> colourRowOfKey(std::string_view word) {
    const std::string key = upperAscii(word);
    for (std::size_t row = 0; row < dyeColours.size(); ++row) {
        if (dyeColours[row].key == key)
            return row;
    }
    return std::nullopt;
}

std::optional<std::size_t> patternRowOfKey(std::string_view word, core::TargetServer target) {
    const std::string key = upperAscii(word);
    const core::TargetServer other =
        target == core::TargetServer::Mm4 ? core::TargetServer::Mm5 : core::TargetServer::Mm4;
    for (const core::TargetServer names : {target, other}) {
        for (std::size_t row = 0; row < bannerPatterns.size(); ++row) {
            if (bannerPatternKey(bannerPatterns[row], names) == key)
                return row;
        }
    }
    return std::nullopt;
}

std::optional<BannerLayer> readLayerLine(std::string_view line, core::TargetServer target) {
    const std::vector<std::string_view> words = splitWords(line);
    if (words.size() != 2)
        return std::nullopt;
    const std::optional<std::size_t> colourRow = colourRowOfKey(words[0]);
    const std::optional<std::size_t> patternRow = patternRowOfKey(words[1], target);
    if (!colourRow || !patternRow)
        return std::nullopt;
    return BannerLayer{*colourRow, *patternRow};
}

// Row texts carry the current names, so they read as lines of an Mm5 file.
std::optional<BannerLayer> readLayerRow(const core::ListEntry &row) {
    return readLayerLine(row.text, core::TargetServer::Mm5);
}

std::string layerLine(const BannerLayer &layer, core::TargetServer target) {
    std::string line(dyeColours[layer.colourRow].key);
    line += ' ';
    line += bannerPatternKey(bannerPatterns[layer.patternRow], target);
    return line;
}

} // namespace

std::string_view bannerPatternKey(const BannerPattern &pattern, core::TargetServer target) {
    return target == core::TargetServer::Mm4 ? pattern.legacyKey : pattern.modernKey;
}

bool takesBannerLayers(std::string_view itemId) {
    const std::string name = materialName(itemId);
    if (name == "shield" || name == "banner")
        return true;
    constexpr std::string_view suffix = "_banner";
    if (!name.ends_with(suffix))
        return false;
    const std::optional<std::size_t> colourRow =
        colourRowOfKey(std::string_view(name).substr(0, name.size() - suffix.size()));
    return colourRow.has_value();
}

std::optional<core::ListEntry> bannerLayerRow(int colourRow, int patternRow) {
    if (!isRowOf(dyeColours, colourRow) || !isRowOf(bannerPatterns, patternRow))
        return std::nullopt;
    const BannerLayer layer{static_cast<std::size_t>(colourRow),
                            static_cast<std::size_t>(patternRow)};
    return core::ListEntry{layerLine(layer, core::TargetServer::Mm5), 0};
}

std::optional<core::ListEntry> bannerLayerRowFromLine(std::string_view line,
                                                      core::TargetServer target) {
    const std::optional<BannerLayer> layer = readLayerLine(line, target);
    if (!layer)
        return std::nullopt;
    return core::ListEntry{layerLine(*layer, core::TargetServer::Mm5), 0};
}

std::string bannerLayerListText(const core::ListEntry &row) {
    const std::optional<BannerLayer> layer = readLayerRow(row);
    if (!layer)
        return row.text;
    std::string text(dyeColours[layer->colourRow].caption);
    text += ' ';
    text += bannerPatterns[layer->patternRow].caption;
    return text;
}

std::string buildBannerLayerBlock(const std::vector<core::ListEntry> &rows,
                                  core::TargetServer target) {
    std::string entries;
    for (const core::ListEntry &row : rows) {
        const std::optional<BannerLayer> layer = readLayerRow(row);
        if (!layer)
            continue;
        entries += "  - ";
        entries += layerLine(*layer, target);
        entries += "\r\n";
    }
    return entries.empty() ? std::string() : "  BannerLayers:\r\n" + entries;
}

} // namespace item
