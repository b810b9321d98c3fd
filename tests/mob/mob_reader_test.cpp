// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "core/config_document.h"
#include "mob/entity_types.h"
#include "mob/mob_config.h"
#include "mob/mob_options.h"
#include "mob/mob_reader.h"
#include "support/example_sheets.h"
#include "support/fixtures.h"

namespace {

using core::TargetServer;
using mob::MobReading;
using mob::MobSheet;

int entityRow(std::string_view caption) {
    for (std::size_t i = 0; i < mob::entityTypes.size(); ++i)
        if (mob::entityTypes[i].caption == caption)
            return static_cast<int>(i);
    return -1;
}

void expectSameSheet(const MobSheet &read, const MobSheet &written) {
    EXPECT_EQ(read.identifier, written.identifier);
    EXPECT_EQ(read.entityType, written.entityType);
    EXPECT_EQ(read.displayName, written.displayName);
    EXPECT_EQ(read.health, written.health);
    EXPECT_EQ(read.damage, written.damage);
    EXPECT_EQ(read.dropRows, written.dropRows);
    EXPECT_EQ(read.mainHand, written.mainHand);
    EXPECT_EQ(read.offHand, written.offHand);
    EXPECT_EQ(read.helmet, written.helmet);
    EXPECT_EQ(read.chestplate, written.chestplate);
    EXPECT_EQ(read.leggings, written.leggings);
    EXPECT_EQ(read.boots, written.boots);
    EXPECT_EQ(read.optionRows, written.optionRows);
    EXPECT_EQ(read.killMessageRows, written.killMessageRows);
    EXPECT_EQ(read.aiRows, written.aiRows);
    EXPECT_EQ(read.skillRows, written.skillRows);
}

MobReading readingOf(std::string_view entryText) {
    auto read = mob::readMobEntry(entryText);
    if (const auto *error = std::get_if<core::ConfigError>(&read))
        ADD_FAILURE() << error->line << ':' << error->column << ' ' << error->message;
    return std::get_if<MobReading>(&read) ? std::get<MobReading>(read) : MobReading{};
}

std::string entryTextOf(const std::string &file, const core::ConfigNode &entry) {
    return file.substr(entry.range.begin, entry.range.end - entry.range.begin);
}

// Every sheet Veltrane writes reads back as that sheet, and saving it unchanged gives the
// same bytes.
TEST(MobReader, WrittenSheetsReadBackAndSaveToTheSameBytes) {
    MobSheet king = testsupport::mobSheetOf(testsupport::skeletonKing());
    king.skillRows = {{"skill{s=Fireball} @target ~onAttack 0.5", 0},
                      {"message{m=\"<mob.name>: rise!\"} @PlayersInRadius{r=10} ~onSpawn", 0}};
    king.offHand = "SHIELD";
    king.boots = "IRON_BOOTS";
    king.leggings = "IRON_LEGGINGS";

    MobSheet villager;
    villager.identifier = "Trader";
    villager.entityType = entityRow("村民");
    villager.displayName = "商人 'Bob'";
    villager.health = "20";
    villager.damage = "0";
    villager.optionRows = {
        *mob::addMobOption("村民", static_cast<int>(mob::generalOptions.size()), "FARMER").row,
        *mob::addMobOption("村民", 13, "true").row};

    MobSheet horse = villager;
    horse.identifier = "Steed";
    horse.entityType = entityRow("马");
    horse.optionRows = {
        *mob::addMobOption("马", static_cast<int>(mob::generalOptions.size()) + 3, "true").row,
        *mob::addMobOption("马", static_cast<int>(mob::generalOptions.size()) + 5, "false").row};

    for (const TargetServer target : {TargetServer::Mm4, TargetServer::Mm5}) {
        for (const MobSheet &sheet : {king, villager, horse}) {
            SCOPED_TRACE(sheet.identifier + (target == TargetServer::Mm4 ? " Mm4" : " Mm5"));
            const mob::MobGeneration written = mob::generateMobConfig(sheet, "", target);
            ASSERT_TRUE(written.ready()) << written.warning;
            const MobReading reading = readingOf(written.text);
            expectSameSheet(reading.sheet, sheet);
            EXPECT_TRUE(reading.kept.empty());

            const auto document =
                std::get<core::ConfigDocument>(core::readConfigDocument(written.text));
            const mob::MobGeneration again =
                mob::generateMobConfig(reading.sheet, reading.entityTypeKey, target);
            EXPECT_EQ(core::spliceEntry(written.text, document.entries[0].range, again.text,
                                        reading.kept),
                      written.text);
        }
    }
}

// A Type the entity list has no row for stays the Type written.
TEST(MobReader, KeepsATypeTheListDoesNotKnow) {
    const MobReading reading = readingOf("Warden1:\n  Type: warden\n  Health: 500\n");
    EXPECT_EQ(reading.sheet.entityType, -1);
    EXPECT_EQ(reading.entityTypeKey, "warden");
    const MobReading known = readingOf("Z:\n  type: zombie\n");
    EXPECT_EQ(mob::entityTypes[static_cast<std::size_t>(known.sheet.entityType)].key, "ZOMBIE");
}

TEST(MobReader, FillsTheSheetFromAHandWrittenEntryAndKeepsTheRest) {
    const std::string file = testsupport::fixtureBytes("several_mobs.yml");
    const auto document = std::get<core::ConfigDocument>(core::readConfigDocument(file));
    const MobReading knight = readingOf(entryTextOf(file, document.entries[0]));
    EXPECT_EQ(knight.sheet.identifier, "SkeletalKnight");
    EXPECT_EQ(knight.entityTypeKey, "WITHER_SKELETON");
    EXPECT_EQ(knight.sheet.displayName, "&6Skeletal Knight");
    EXPECT_EQ(knight.sheet.health, "40");
    EXPECT_EQ(knight.sheet.mainHand, "IRON_SWORD");
    EXPECT_EQ(knight.sheet.helmet, "CHAINMAIL_HELMET");
    // The list shows the first option of the file at the bottom, as the generator reads it.
    EXPECT_EQ(knight.sheet.optionRows, (std::vector<core::ListEntry>{{"Silent: true", 0},
                                                                     {"FollowRange: 32", 0},
                                                                     {"AlwaysShowName: true", 0},
                                                                     {"PreventOtherDrops: true", 0},
                                                                     {"MovementSpeed: 0.2", 0}}));
    EXPECT_EQ(knight.sheet.skillRows.size(), 2u);
    EXPECT_EQ(knight.kept.options, "    ReviveHealth: true\n");
    EXPECT_EQ(knight.kept.keys, "  Faction: Undead\n"
                                "  # The knight strikes back.\n"
                                "  DamageModifiers:\n"
                                "  - FIRE 0.5\n"
                                "  - FALL 0\n");

    const MobReading king = readingOf(entryTextOf(file, document.entries[1]));
    EXPECT_EQ(king.sheet.dropRows,
              (std::vector<core::ListEntry>{{"  - diamond 2 0.5", 0}, {"  - exp 100 1", 0}}));
    EXPECT_EQ(king.sheet.aiRows,
              (std::vector<core::ListEntry>{{"  - 1 players", 1}, {"  - 0 clear", 1}}));
    EXPECT_EQ(king.kept.keys,
              "  BossBar:\n    Enabled: true\n    Title: 'Skeleton King'\n    Range: 50\n");
}

// A key the sheet reads, written in a form it cannot edit, would be lost on the next save: the
// entry is not opened.
TEST(MobReader, RefusesAKeyItReadsInAFormItCannotEdit) {
    struct Case {
        std::string_view text;
        std::size_t line;
    };
    const Case cases[] = {
        {"A:\n  Type: ZOMBIE\n  Drops: [exp 10 1]\n", 3},
        {"A:\n  Skills:\n    onAttack: x\n", 2},
        {"A:\n  Options: {Silent: true}\n", 2},
    };
    for (const Case &c : cases) {
        const auto read = mob::readMobEntry(c.text);
        const auto *error = std::get_if<core::ConfigError>(&read);
        ASSERT_NE(error, nullptr) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_NE(error->message.find("无法编辑"), std::string::npos) << error->message;
    }
}

// Old MythicMobs 4 files write the equipment slot as a number.
TEST(MobReader, ReadsBothEquipmentForms) {
    const MobReading reading = readingOf("A:\n  Equipment:\n  - BOW:0\n  - SHIELD offhand\n"
                                         "  - myitem:4\n  - DIAMOND_BOOTS FEET\n");
    EXPECT_EQ(reading.sheet.mainHand, "BOW");
    EXPECT_EQ(reading.sheet.offHand, "SHIELD");
    EXPECT_EQ(reading.sheet.helmet, "myitem");
    EXPECT_EQ(reading.sheet.boots, "DIAMOND_BOOTS");
}

// Open the file, change one field of one entry, save: every other byte stays.
TEST(MobReader, EditingOneEntryOfAFileKeepsTheOthers) {
    const std::string file = testsupport::fixtureBytes("several_mobs.yml");
    const auto document = std::get<core::ConfigDocument>(core::readConfigDocument(file));
    struct Case {
        std::size_t entry;
        void (*change)(MobSheet &);
        std::string expected;
    };
    const Case cases[] = {
        {1, [](MobSheet &sheet) { sheet.health = "250"; }, "several_mobs.king_health.yml"},
        {0, [](MobSheet &sheet) { sheet.displayName = "&6骷髅骑士"; },
         "several_mobs.knight_display.yml"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        const core::ConfigNode &entry = document.entries[c.entry];
        MobReading reading = readingOf(entryTextOf(file, entry));
        c.change(reading.sheet);
        const mob::MobGeneration written =
            mob::generateMobConfig(reading.sheet, reading.entityTypeKey, TargetServer::Mm5);
        ASSERT_TRUE(written.ready()) << written.warning;
        EXPECT_EQ(core::spliceEntry(file, entry.range, written.text, reading.kept),
                  testsupport::fixtureBytes(c.expected));
    }
}

} // namespace
