// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/rgb_colour.h"

#include <gtest/gtest.h>

#include "support/line_ends.h"
#include "support/yaml_read.h"

namespace {

using item::RgbColour;

TEST(RgbColour, ParsesThreeComponentsBetweenCommas) {
    const std::vector<std::pair<std::string, std::optional<RgbColour>>> cases = {
        {"239,103,216", RgbColour{239, 103, 216}},
        {"0,0,0", RgbColour{0, 0, 0}},
        {"255,255,255", RgbColour{255, 255, 255}},
        {" 1 , 2\t, 3 ", RgbColour{1, 2, 3}},
        {"007,0,0", RgbColour{7, 0, 0}},
        {"256,0,0", std::nullopt},
        {"0,0,99999999999999999999", std::nullopt},
        {"-1,0,0", std::nullopt},
        {"+1,0,0", std::nullopt},
        {"1.5,0,0", std::nullopt},
        {"1,2", std::nullopt},
        {"1,2,3,4", std::nullopt},
        {"1,2,3,", std::nullopt},
        {"1,,3", std::nullopt},
        {"1 2,3,4", std::nullopt},
        {"RED", std::nullopt}, // a banner base colour in some old examples, no RGB value
        {"", std::nullopt},
    };
    for (const auto &[text, colour] : cases)
        EXPECT_EQ(item::parseRgbColour(text), colour) << text;
}

TEST(RgbColour, FormatsAsTheConfigWritesIt) {
    EXPECT_EQ(item::formatRgbColour({239, 103, 216}), "239,103,216");
    EXPECT_EQ(item::formatRgbColour({0, 0, 0}), "0,0,0");
    EXPECT_EQ(item::parseRgbColour(item::formatRgbColour({255, 7, 0})), (RgbColour{255, 7, 0}));
}

TEST(ColourOptionsBlock, EmptyWithoutColourElseReadsBackAsTheColour) {
    EXPECT_EQ(item::buildColourOptionsBlock(std::nullopt), "");
    const std::string block = item::buildColourOptionsBlock(RgbColour{239, 103, 216});
    EXPECT_EQ(block, "  Options:\r\n    Color: 239,103,216\r\n");
    EXPECT_TRUE(testsupport::onlyCrLfLineEnds(block));
    const YAML::Node potion = testsupport::readYaml("P:\r\n  Id: potion\r\n" + block)["P"];
    EXPECT_EQ(item::parseRgbColour(potion["Options"]["Color"].as<std::string>()),
              (RgbColour{239, 103, 216}));
}

} // namespace
