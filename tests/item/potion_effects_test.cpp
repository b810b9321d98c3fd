// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/potion_effects.h"

#include <set>

#include <gtest/gtest.h>

#include "support/line_ends.h"
#include "support/yaml_read.h"

namespace {

using core::ListEntry;
using core::TargetServer;
using mob::RowOutcome;

// The PotionEffects entries of a generated section, as a YAML reader sees the item.
std::vector<std::string> readBackEffects(const std::string &section) {
    const YAML::Node potion =
        testsupport::readYaml("HealingPotion:\r\n  Id: potion\r\n" + section)["HealingPotion"];
    std::vector<std::string> entries;
    for (const YAML::Node &entry : potion["PotionEffects"])
        entries.push_back(entry.as<std::string>());
    return entries;
}

RowOutcome added(std::string text) {
    return RowOutcome::add(std::move(text));
}

TEST(PotionEffectRow, SecondsBecomeWholeTicksAndTheLevelDropsByOne) {
    struct Case {
        int typeRow;
        std::string seconds, level;
        RowOutcome outcome;
    };
    const std::vector<Case> cases = {
        {5, "3", "2", added("INSTANT_HEALTH 60 1")},
        {8, "1", "1", added("NAUSEA 20 0")},
        {32, "10", "255", added("DARKNESS 200 254")},
        // Half a tick rounds up, decided on the typed digits: 1.275 * 20 is 25.5 exactly,
        // though the double nearest 1.275 lies just below it.
        {1, "1.26", "1", added("SLOWNESS 25 0")},
        {1, "1.274", "1", added("SLOWNESS 25 0")},
        {1, "1.275", "1", added("SLOWNESS 26 0")},
        {1, "0.99999", "1", added("SLOWNESS 20 0")},
        {0, "0.025", "1", added("SPEED 1 0")},
        {0, "0.05", "1", added("SPEED 1 0")},
        {0, "000000000003", "1", added("SPEED 60 0")},
        {0, "107374182", "1", added("SPEED 2147483640 0")},
        {0, "107374182.02", "1", added("SPEED 2147483640 0")},
        // Full-width digits and point, blanks and ideographic spaces around the number.
        {0, "３．５", "２", added("SPEED 70 1")},
        {0, " 3\t",
         "\xE3\x80\x80"
         "1"
         "\xE3\x80\x80",
         added("SPEED 60 0")},
        {0, "+3", "2.0", added("SPEED 60 1")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(item::potionEffectRow(c.typeRow, c.seconds, c.level), c.outcome)
            << c.typeRow << " [" << c.seconds << "] [" << c.level << "]";
}

TEST(PotionEffectRow, RefusesSecondsAndLevelsNamingTheField) {
    struct Case {
        std::string seconds, level;
        std::string_view warning;
    };
    const std::vector<Case> cases = {
        {"", "1", item::potionSecondsEmptyWarning},
        {"", "", item::potionSecondsEmptyWarning}, // the seconds are checked first
        {"abc", "1", item::potionSecondsNotNumberWarning},
        {"3秒", "1", item::potionSecondsNotNumberWarning},
        {"1e3", "1", item::potionSecondsNotNumberWarning},
        {"1,5", "1", item::potionSecondsNotNumberWarning},
        {"1 5", "1", item::potionSecondsNotNumberWarning},
        {"inf", "1", item::potionSecondsNotNumberWarning},
        {".", "1", item::potionSecondsNotNumberWarning},
        {"-1", "1", item::potionSecondsNegativeWarning},
        {"-0.01", "1", item::potionSecondsNegativeWarning},
        {"0", "1", item::potionSecondsTooShortWarning},
        {"-0", "1", item::potionSecondsTooShortWarning},
        {"0.024", "1", item::potionSecondsTooShortWarning},
        {"107374182.03", "1", item::potionSecondsTooLongWarning},
        {"999999999", "1", item::potionSecondsTooLongWarning},
        {"99999999999999999999999", "1", item::potionSecondsTooLongWarning},
        {"3", "", item::potionLevelEmptyWarning},
        {"3", "1.5", item::potionLevelNotWholeWarning},
        {"3", "II", item::potionLevelNotWholeWarning},
        {"3", "一", item::potionLevelNotWholeWarning},
        {"3", "0", item::potionLevelRangeWarning},
        {"3", "-1", item::potionLevelRangeWarning},
        {"3", "256", item::potionLevelRangeWarning},
        {"3", "1000", item::potionLevelRangeWarning},
        {"3", "99999999999999999999", item::potionLevelRangeWarning},
    };
    for (const Case &c : cases)
        EXPECT_EQ(item::potionEffectRow(0, c.seconds, c.level), RowOutcome::warn(c.warning))
            << "[" << c.seconds << "] [" << c.level << "]";
}

TEST(PotionEffectRow, NoEffectSelectedGivesNothingWhateverTheFields) {
    for (const int typeRow : {-1, 33})
        EXPECT_EQ(item::potionEffectRow(typeRow, "", "x"), RowOutcome::nothing()) << typeRow;
}

TEST(PotionEffectListText, CaptionSecondsAndTheLevelTheGameShows) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"INSTANT_HEALTH 25 1", "瞬间治疗 1.25秒 等级2"},
        {"SPEED 60 0", "速度 3秒 等级1"},
        {"SPEED 30 0", "速度 1.5秒 等级1"},
        {"SPEED 1 0", "速度 0.05秒 等级1"},
        {"HERO_OF_THE_VILLAGE 2147483647 254", "村庄英雄 107374182.35秒 等级255"},
        {"not an effect", "not an effect"},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(item::potionEffectListText(ListEntry{text, 0}), shown) << text;
}

TEST(PotionEffectRowFromLine, EitherNameInAnyCaseGivesTheRowOfTheCurrentName) {
    const std::vector<std::pair<std::string, std::optional<ListEntry>>> cases = {
        {"HEAL 60 1", ListEntry{"INSTANT_HEALTH 60 1", 0}},
        {"heal 60 1", ListEntry{"INSTANT_HEALTH 60 1", 0}},
        {"Instant_Health 60 1", ListEntry{"INSTANT_HEALTH 60 1", 0}},
        {"  CONFUSION   20\t0 ", ListEntry{"NAUSEA 20 0", 0}},
        {"SPEED 2147483647 254", ListEntry{"SPEED 2147483647 254", 0}},
        {"SPEED 2147483648 0", std::nullopt},
        {"SPEED 0 0", std::nullopt},
        {"SPEED 20 255", std::nullopt},
        {"SPEED 20 -1", std::nullopt},
        {"SPEED +20 0", std::nullopt},
        {"SPEED ２０ 0", std::nullopt},
        {"SPEED 20.5 0", std::nullopt},
        {"SPEED 20", std::nullopt},
        {"SPEED 20 0 true", std::nullopt},
        {"FLYING 20 0", std::nullopt},
        {"minecraft:speed 20 0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[line, row] : cases)
        EXPECT_EQ(item::potionEffectRowFromLine(line), row) << line;
}

ListEntry rowOf(int typeRow, std::string_view seconds, std::string_view level) {
    return *item::potionEffectRow(typeRow, seconds, level).row;
}

TEST(PotionEffectBlock, ListOrderWithTheNamesOfTheTarget) {
    const std::vector<ListEntry> rows = {rowOf(5, "3", "2"), rowOf(8, "1", "1"),
                                         rowOf(1, "1.26", "1"), rowOf(0, "2", "1")};
    struct Case {
        TargetServer target;
        std::string block;
    };
    const std::vector<Case> cases = {
        {TargetServer::Mm4, "  PotionEffects:\r\n"
                            "  - HEAL 60 1\r\n"
                            "  - CONFUSION 20 0\r\n"
                            "  - SLOW 25 0\r\n"
                            "  - SPEED 40 0\r\n"},
        {TargetServer::Mm5, "  PotionEffects:\r\n"
                            "  - INSTANT_HEALTH 60 1\r\n"
                            "  - NAUSEA 20 0\r\n"
                            "  - SLOWNESS 25 0\r\n"
                            "  - SPEED 40 0\r\n"},
    };
    for (const Case &c : cases) {
        const std::string block = item::buildPotionEffectBlock(rows, c.target);
        EXPECT_EQ(block, c.block);
        EXPECT_TRUE(testsupport::onlyCrLfLineEnds(block));
        // Each entry read back is the row it came from.
        const std::vector<std::string> entries = readBackEffects(block);
        ASSERT_EQ(entries.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(item::potionEffectRowFromLine(entries[i]), rows[i]) << entries[i];
    }
}

TEST(PotionEffectBlock, EveryEffectReadsBackAsItsRowForBothTargets) {
    for (int typeRow = 0; typeRow < static_cast<int>(item::potionEffectTypes.size()); ++typeRow) {
        const ListEntry row = rowOf(typeRow, "4.5", "3");
        for (const TargetServer target : {TargetServer::Mm4, TargetServer::Mm5}) {
            const std::vector<std::string> entries =
                readBackEffects(item::buildPotionEffectBlock({row}, target));
            ASSERT_EQ(entries.size(), 1u) << row.text;
            const std::string key(item::potionEffectKey(item::potionEffectTypes[typeRow], target));
            EXPECT_EQ(entries[0], key + " 90 2");
            EXPECT_EQ(item::potionEffectRowFromLine(entries[0]), row) << entries[0];
        }
    }
}

TEST(PotionEffectBlock, EmptyWithoutEffectLines) {
    for (const TargetServer target : {TargetServer::Mm4, TargetServer::Mm5}) {
        EXPECT_EQ(item::buildPotionEffectBlock({}, target), "");
        EXPECT_EQ(item::buildPotionEffectBlock({{"typed by hand", 0}, {"", 3}}, target), "");
        EXPECT_EQ(item::buildPotionEffectBlock({{"junk", 0}, rowOf(0, "1", "1")}, target),
                  "  PotionEffects:\r\n  - SPEED 20 0\r\n");
    }
}

// The file reader takes either name, so no name may stand for two effects.
TEST(PotionEffectTypes, EveryRowHasBothNamesAndNoNameIsShared) {
    std::set<std::string_view> captions;
    std::multiset<std::string_view> names;
    for (const item::PotionEffectType &type : item::potionEffectTypes) {
        EXPECT_FALSE(type.caption.empty());
        EXPECT_TRUE(captions.insert(type.caption).second) << type.caption;
        for (const std::string_view key : {type.legacyKey, type.modernKey}) {
            EXPECT_FALSE(key.empty()) << type.caption;
            EXPECT_EQ(key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_"), std::string_view::npos)
                << key;
        }
        names.insert(type.legacyKey);
        if (type.modernKey != type.legacyKey)
            names.insert(type.modernKey);
    }
    for (const std::string_view name : names)
        EXPECT_EQ(names.count(name), 1u) << name;
}

TEST(TakesPotionEffects, PotionItemsInAnyCaseWithOrWithoutNamespace) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"potion", true},
        {"POTION", true},
        {"minecraft:splash_potion", true},
        {"Minecraft:LINGERING_POTION", true},
        {" tipped_arrow ", true},
        {"arrow", false},
        {"spectral_arrow", false},
        {"potions", false},
        {"water_bottle", false},
        {"minecraft:", false},
        {"", false},
    };
    for (const auto &[id, takes] : cases)
        EXPECT_EQ(item::takesPotionEffects(id), takes) << id;
}

} // namespace
