// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>

#include <gtest/gtest.h>

#include "item/attribute_types.h"
#include "item/enchantment_types.h"

namespace {

using core::ListEntry;

TEST(AttributeRow, PrefixOfTheTypeAndTheValueAsTyped) {
    struct Case {
        int slot, type;
        std::string value;
        std::optional<ListEntry> row;
    };
    const std::vector<Case> cases = {
        {1, 3, "10", ListEntry{"    Damage: 10", 1}},
        {3, 5, "", ListEntry{"    Health: ", 3}},
        {0, 0, "  1.6x", ListEntry{"    AttackSpeed:   1.6x", 0}},
        {6, 8, "-0.1", ListEntry{"    MovementSpeed: -0.1", 6}},
        {5, 7, "1", ListEntry{"    KnockbackResistance: 1", 5}},
        {-1, 3, "10", std::nullopt},
        {7, 3, "10", std::nullopt},
        {1, -1, "10", std::nullopt},
        {1, 9, "10", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(item::attributeRow(c.slot, c.type, c.value), c.row) << c.slot << " " << c.type;
}

TEST(AttributeRow, StatusHasNoZeroPadding) {
    EXPECT_EQ(item::attributeAddedStatus(3, 9), "3分9秒:添加属性成功!");
    EXPECT_EQ(item::attributeAddedStatus(0, 0), "0分0秒:添加属性成功!");
    EXPECT_EQ(item::attributeAddedStatus(59, 10), "59分10秒:添加属性成功!");
}

TEST(EnchantmentLevel, TruncatedTowardZeroAndSaturated) {
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::vector<std::pair<std::string, std::int32_t>> cases = {
        {"3", 3},
        {"2.9", 2},
        {"-1.5", -1},
        {"-0.9", 0},
        {"abc", 0},
        {"", 0},
        {"３", 3},
        {"７级", 7},
        {" 12abc", 12},
        {"2147483647", highest},
        {"2147483648", highest},
        {"1e30", highest},
        {"-2147483648", lowest},
        {"-2147483649.5", lowest},
        {"-1e30", lowest},
    };
    for (const auto &[text, level] : cases)
        EXPECT_EQ(item::enchantmentLevel(text), level) << text;
}

TEST(EnchantmentRow, KeyOfTheRowAndTheLevel) {
    EXPECT_EQ(item::enchantmentRow(24, "3"), (ListEntry{"DAMAGE_ALL", 3}));
    EXPECT_EQ(item::enchantmentRow(0, "7"),
              (ListEntry{"WATER_WORKER", 7})); // above the highest shown
    EXPECT_EQ(item::enchantmentRow(-1, "3"), std::nullopt);
    EXPECT_EQ(item::enchantmentRow(30, "3"), std::nullopt);
}

TEST(EnchantmentTypes, KeysThePluginKnows) {
    // Rows whose keys differ from what the list once wrote: it named no enchantment for
    // row 6, gave "23" and "24" for rows 16 and 17, and PROTECTION_ENVIRONMENTAL for row 20.
    const std::vector<std::pair<std::size_t, std::string_view>> cases = {
        {6, "DIG_SPEED"},
        {16, "LUCK"},
        {17, "LURE"},
        {20, "PROTECTION_PROJECTILE"},
        {21, "PROTECTION_ENVIRONMENTAL"},
    };
    for (const auto &[row, key] : cases)
        EXPECT_EQ(item::enchantmentTypes[row].key, key) << row;
    for (const item::EnchantmentType &type : item::enchantmentTypes) {
        EXPECT_FALSE(type.key.empty()) << type.caption;
        EXPECT_EQ(type.key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_"), std::string_view::npos)
            << type.key;
    }
}

} // namespace
