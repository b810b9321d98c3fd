// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/banner_patterns.h"

#include <set>

#include <gtest/gtest.h>

#include "support/line_ends.h"
#include "support/yaml_read.h"

namespace {

using core::ListEntry;
using core::TargetServer;

// The BannerLayers entries of a generated section, as a YAML reader sees the item.
std::vector<std::string> readBackLayers(const std::string &section) {
    const YAML::Node banner =
        testsupport::readYaml("KingBanner:\r\n  Id: orange_banner\r\n" + section)["KingBanner"];
    std::vector<std::string> entries;
    for (const YAML::Node &entry : banner["BannerLayers"])
        entries.push_back(entry.as<std::string>());
    return entries;
}

int patternRowOf(std::string_view modernKey) {
    for (std::size_t row = 0; row < item::bannerPatterns.size(); ++row) {
        if (item::bannerPatterns[row].modernKey == modernKey)
            return static_cast<int>(row);
    }
    ADD_FAILURE() << modernKey;
    return -1;
}

TEST(BannerLayerRow, ColourAndCurrentPatternName) {
    const std::vector<std::tuple<int, int, std::optional<ListEntry>>> cases = {
        {14, patternRowOf("CURLY_BORDER"), ListEntry{"RED CURLY_BORDER", 0}},
        {0, 13, ListEntry{"WHITE SMALL_STRIPES", 0}},
        {15, 21, ListEntry{"BLACK DIAGONAL_UP_RIGHT", 0}},
        {3, 40, ListEntry{"LIGHT_BLUE PIGLIN", 0}},
        {-1, 0, std::nullopt},
        {16, 0, std::nullopt},
        {0, -1, std::nullopt},
        {0, 41, std::nullopt},
    };
    for (const auto &[colourRow, patternRow, row] : cases)
        EXPECT_EQ(item::bannerLayerRow(colourRow, patternRow), row)
            << colourRow << " " << patternRow;
}

TEST(BannerLayerListText, ColourAndPatternCaptions) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"RED CURLY_BORDER", "红色 波纹边"},
        {"LIGHT_BLUE DIAGONAL_RIGHT", "淡蓝色 左上三角"},
        {"BLACK DIAGONAL_UP_RIGHT", "黑色 左下三角"},
        {"LIGHT_GRAY MOJANG", "淡灰色 Mojang徽标"},
        {"junk", "junk"},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(item::bannerLayerListText(ListEntry{text, 0}), shown) << text;
}

TEST(BannerLayerRowFromLine, TheTargetsNamesFirstThenTheOtherSet) {
    struct Case {
        std::string line;
        TargetServer target;
        std::optional<ListEntry> row;
    };
    const std::vector<Case> cases = {
        {"RED BASE", TargetServer::Mm4, ListEntry{"RED BASE", 0}},
        {"red base", TargetServer::Mm5, ListEntry{"RED BASE", 0}},
        {"  yellow \t stripe_top ", TargetServer::Mm5, ListEntry{"YELLOW STRIPE_TOP", 0}},
        {"WHITE STRIPE_SMALL", TargetServer::Mm4, ListEntry{"WHITE SMALL_STRIPES", 0}},
        {"WHITE STRIPE_SMALL", TargetServer::Mm5, ListEntry{"WHITE SMALL_STRIPES", 0}},
        {"WHITE SMALL_STRIPES", TargetServer::Mm4, ListEntry{"WHITE SMALL_STRIPES", 0}},
        // The one name both sets hold, for different patterns.
        {"BLACK DIAGONAL_RIGHT", TargetServer::Mm4, ListEntry{"BLACK DIAGONAL_UP_RIGHT", 0}},
        {"BLACK DIAGONAL_RIGHT", TargetServer::Mm5, ListEntry{"BLACK DIAGONAL_RIGHT", 0}},
        {"BLACK DIAGONAL_RIGHT_MIRROR", TargetServer::Mm5, ListEntry{"BLACK DIAGONAL_RIGHT", 0}},
        {"BLACK DIAGONAL_UP_RIGHT", TargetServer::Mm4, ListEntry{"BLACK DIAGONAL_UP_RIGHT", 0}},
        {"PURPLE FLOW", TargetServer::Mm5, std::nullopt},
        {"SILVER BASE", TargetServer::Mm4, std::nullopt},
        {"RED", TargetServer::Mm5, std::nullopt},
        {"RED BASE EXTRA", TargetServer::Mm5, std::nullopt},
        {"BASE RED", TargetServer::Mm5, std::nullopt},
        {"", TargetServer::Mm4, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(item::bannerLayerRowFromLine(c.line, c.target), c.row) << c.line;
}

std::vector<ListEntry> rowsOf(const std::vector<std::pair<int, std::string_view>> &layers) {
    std::vector<ListEntry> rows;
    for (const auto &[colourRow, pattern] : layers)
        rows.push_back(*item::bannerLayerRow(colourRow, patternRowOf(pattern)));
    return rows;
}

// The wiki's Skeleton King banner has seven layers, one past what the game's loom allows.
TEST(BannerLayerBlock, ListOrderBottomLayerFirstWithTheNamesOfTheTarget) {
    const std::vector<ListEntry> rows = rowsOf({{14, "BASE"},
                                                {0, "CURLY_BORDER"},
                                                {0, "SMALL_STRIPES"},
                                                {15, "DIAGONAL_UP_RIGHT"},
                                                {0, "DIAGONAL_RIGHT"},
                                                {4, "CIRCLE"},
                                                {15, "TRIANGLES_TOP"}});
    struct Case {
        TargetServer target;
        std::string block;
    };
    const std::vector<Case> cases = {
        {TargetServer::Mm4, "  BannerLayers:\r\n"
                            "  - RED BASE\r\n"
                            "  - WHITE CURLY_BORDER\r\n"
                            "  - WHITE STRIPE_SMALL\r\n"
                            "  - BLACK DIAGONAL_RIGHT\r\n"
                            "  - WHITE DIAGONAL_RIGHT_MIRROR\r\n"
                            "  - YELLOW CIRCLE_MIDDLE\r\n"
                            "  - BLACK TRIANGLES_TOP\r\n"},
        {TargetServer::Mm5, "  BannerLayers:\r\n"
                            "  - RED BASE\r\n"
                            "  - WHITE CURLY_BORDER\r\n"
                            "  - WHITE SMALL_STRIPES\r\n"
                            "  - BLACK DIAGONAL_UP_RIGHT\r\n"
                            "  - WHITE DIAGONAL_RIGHT\r\n"
                            "  - YELLOW CIRCLE\r\n"
                            "  - BLACK TRIANGLES_TOP\r\n"},
    };
    for (const Case &c : cases) {
        const std::string block = item::buildBannerLayerBlock(rows, c.target);
        EXPECT_EQ(block, c.block);
        EXPECT_TRUE(testsupport::onlyCrLfLineEnds(block));
        const std::vector<std::string> entries = readBackLayers(block);
        ASSERT_EQ(entries.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(item::bannerLayerRowFromLine(entries[i], c.target), rows[i]) << entries[i];
    }
}

TEST(BannerLayerBlock, EveryPatternAndColourReadsBackAsItsRowForBothTargets) {
    for (int patternRow = 0; patternRow < static_cast<int>(item::bannerPatterns.size());
         ++patternRow) {
        const int colourRow = patternRow % static_cast<int>(item::dyeColours.size());
        const ListEntry row = *item::bannerLayerRow(colourRow, patternRow);
        for (const TargetServer target : {TargetServer::Mm4, TargetServer::Mm5}) {
            const std::vector<std::string> entries =
                readBackLayers(item::buildBannerLayerBlock({row}, target));
            ASSERT_EQ(entries.size(), 1u) << row.text;
            EXPECT_EQ(entries[0], std::string(item::dyeColours[colourRow].key) + " " +
                                      std::string(item::bannerPatternKey(
                                          item::bannerPatterns[patternRow], target)));
            EXPECT_EQ(item::bannerLayerRowFromLine(entries[0], target), row) << entries[0];
        }
    }
}

TEST(BannerLayerBlock, EmptyWithoutLayerLines) {
    for (const TargetServer target : {TargetServer::Mm4, TargetServer::Mm5}) {
        EXPECT_EQ(item::buildBannerLayerBlock({}, target), "");
        EXPECT_EQ(item::buildBannerLayerBlock({{"typed by hand", 0}}, target), "");
        EXPECT_EQ(item::buildBannerLayerBlock({{"junk", 0}, {"RED BASE", 0}}, target),
                  "  BannerLayers:\r\n  - RED BASE\r\n");
    }
}

bool isConstantName(std::string_view key) {
    return !key.empty() &&
           key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_") == std::string_view::npos;
}

TEST(DyeColours, SixteenColoursWithOwnNamesCaptionsAndSwatches) {
    std::set<std::string_view> keys, captions;
    std::set<std::tuple<int, int, int>> swatches;
    for (const item::DyeColour &colour : item::dyeColours) {
        EXPECT_TRUE(isConstantName(colour.key)) << colour.key;
        EXPECT_FALSE(colour.caption.empty()) << colour.key;
        keys.insert(colour.key);
        captions.insert(colour.caption);
        swatches.insert({colour.swatch.red, colour.swatch.green, colour.swatch.blue});
    }
    EXPECT_EQ(keys.size(), 16u);
    EXPECT_EQ(captions.size(), 16u);
    EXPECT_EQ(swatches.size(), 16u);
}

// Within one target every name stands for one pattern, so a file of that target reads back
// unambiguously.
TEST(BannerPatterns, EveryRowHasBothNamesAndEachTargetsNamesAreUnique) {
    std::set<std::string_view> captions, legacyKeys, modernKeys;
    for (const item::BannerPattern &pattern : item::bannerPatterns) {
        EXPECT_TRUE(isConstantName(pattern.legacyKey)) << pattern.caption;
        EXPECT_TRUE(isConstantName(pattern.modernKey)) << pattern.caption;
        EXPECT_TRUE(captions.insert(pattern.caption).second) << pattern.caption;
        EXPECT_TRUE(legacyKeys.insert(pattern.legacyKey).second) << pattern.legacyKey;
        EXPECT_TRUE(modernKeys.insert(pattern.modernKey).second) << pattern.modernKey;
    }
}

TEST(TakesBannerLayers, BannersOfEveryColourAndTheShield) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"orange_banner", true},
        {"MINECRAFT:Light_Gray_Banner", true},
        {"black_banner", true},
        {"banner", true},
        {"shield", true},
        {" SHIELD ", true},
        {"white_wall_banner", false},
        {"creeper_banner_pattern", false},
        {"silver_banner", false},
        {"_banner", false},
        {"banners", false},
        {"", false},
    };
    for (const auto &[id, takes] : cases)
        EXPECT_EQ(item::takesBannerLayers(id), takes) << id;
}

} // namespace
