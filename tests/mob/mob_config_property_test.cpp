// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/config_document.h"
#include "mob/entity_types.h"
#include "mob/mob_config.h"
#include "mob/mob_reader.h"
#include "support/line_ends.h"
#include "support/random_text.h"
#include "support/yaml_read.h"

namespace {

using core::ListEntry;
using mob::MobSheet;
using testsupport::Random;
namespace alphabets = testsupport::alphabets;

// Tabs and line breaks are refused everywhere; the random texts leave them out.
const testsupport::Alphabet typed = [] {
    testsupport::Alphabet all = alphabets::anyTyped();
    std::erase(all, std::string_view("\t"));
    return all;
}();
const testsupport::Alphabet word = alphabets::plainWord();

std::vector<ListEntry> rows(Random &random, int maxRows, auto makeText) {
    std::vector<ListEntry> out;
    for (int n = random.number(0, maxRows); n > 0; --n)
        out.push_back({makeText(), random.number(-3, 9)});
    return out;
}

// The texts the program copies unquoted (identifier, numbers, list rows other than kill
// messages, equipment) come from alphabets that stay valid YAML, since the program promises
// nothing for them; the display name and the kill messages may hold anything typed.
MobSheet randomSheet(Random &random) {
    MobSheet sheet;
    // One word: a blank or a point in an identifier is refused.
    sheet.identifier = testsupport::words(random, 1);
    sheet.entityType = random.number(-2, 56);
    sheet.displayName = random.text(typed, 1, 24);
    // A leading zero would make the number another one.
    sheet.health = std::to_string(random.number(1, 99999));
    sheet.damage = std::to_string(random.number(0, 999)) + (random.chance(30) ? ".5" : "");
    sheet.dropRows = rows(random, 4, [&] { return "  - " + testsupport::words(random, 3); });
    for (std::string *slot : {&sheet.mainHand, &sheet.offHand, &sheet.helmet, &sheet.chestplate,
                              &sheet.leggings, &sheet.boots})
        *slot = random.chance(50) ? random.text(alphabets::upperWord, 1, 16) : "";
    int option = 0;
    sheet.optionRows = rows(random, 4, [&] {
        // A key of its own per row, so the map keeps them all.
        return "Opt" + std::to_string(option++) + random.text(alphabets::asciiLetters, 0, 6) +
               ": " + random.text(alphabets::asciiLetters, 1, 1) + random.text(word, 0, 5);
    });
    sheet.killMessageRows = rows(random, 4, [&] { return random.text(typed, 0, 24); });
    for (int n = random.number(0, 5); n > 0; --n)
        sheet.aiRows.push_back({"  - " + std::to_string(random.number(0, 9)) + " " +
                                    random.text(alphabets::asciiLetters, 1, 12),
                                random.number(0, 1)});
    // Now and then a base field is left empty.
    for (std::string *base : {&sheet.identifier, &sheet.displayName, &sheet.health, &sheet.damage})
        if (random.chance(3))
            base->clear();
    return sheet;
}

// The row texts from the bottom row to the top row, without their "  - " prefix.
std::vector<std::string> bottomUp(const std::vector<ListEntry> &entries, std::size_t prefix,
                                  int tag = -100) {
    std::vector<std::string> out;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        if (tag == -100 || it->tag == tag)
            out.push_back(it->text.substr(prefix));
    return out;
}

std::vector<std::string> sequence(const YAML::Node &node) {
    std::vector<std::string> out;
    if (node.IsDefined() && node.IsSequence())
        for (const YAML::Node &item : node)
            out.push_back(item.as<std::string>());
    return out;
}

void checkText(const MobSheet &sheet, const std::string &previousKey, const std::string &text) {
    ASSERT_TRUE(testsupport::onlyCrLfLineEnds(text));
    YAML::Node root;
    ASSERT_NO_THROW(root = testsupport::readYaml(text));
    ASSERT_TRUE(root.IsMap());
    ASSERT_EQ(root.size(), 1u);
    EXPECT_EQ(root.begin()->first.as<std::string>(), sheet.identifier);
    const YAML::Node mob = root.begin()->second;
    ASSERT_TRUE(mob.IsMap());

    std::vector<std::string> keys;
    for (const auto &entry : mob)
        keys.push_back(entry.first.as<std::string>());
    std::vector<std::string> expectedKeys = {"Type", "Display", "Health", "Damage", "Drops"};
    const std::vector<std::string> equipmentSlots = {
        sheet.chestplate, sheet.mainHand, sheet.helmet, sheet.offHand, sheet.boots, sheet.leggings};
    const std::vector<std::string> slotNumbers = {":3", ":0", ":4", ":5", ":1", ":2"};
    std::vector<std::string> equipment;
    for (std::size_t i = 0; i < equipmentSlots.size(); ++i)
        if (!equipmentSlots[i].empty())
            equipment.push_back(equipmentSlots[i] + slotNumbers[i]);
    if (!equipment.empty())
        expectedKeys.push_back("Equipment");
    expectedKeys.push_back("Options");
    const std::vector<std::string> goals = bottomUp(sheet.aiRows, 4, 0);
    const std::vector<std::string> targets = bottomUp(sheet.aiRows, 4, 1);
    if (!sheet.killMessageRows.empty())
        expectedKeys.push_back("KillMessages");
    if (!goals.empty())
        expectedKeys.push_back("AIGoalSelectors");
    if (!targets.empty())
        expectedKeys.push_back("AITargetSelectors");
    EXPECT_EQ(keys, expectedKeys);

    const bool selected = sheet.entityType >= 0 && sheet.entityType < int(mob::entityTypes.size());
    const std::string type =
        selected ? std::string(mob::entityTypes[std::size_t(sheet.entityType)].key) : previousKey;
    if (type.empty())
        EXPECT_TRUE(mob["Type"].IsNull());
    else
        EXPECT_EQ(mob["Type"].as<std::string>(), type);
    EXPECT_EQ(mob["Display"].as<std::string>(), sheet.displayName);
    EXPECT_EQ(mob["Health"].as<std::string>(), sheet.health);
    EXPECT_EQ(mob["Damage"].as<std::string>(), sheet.damage);
    EXPECT_EQ(sequence(mob["Drops"]), bottomUp(sheet.dropRows, 4));
    EXPECT_EQ(sequence(mob["Equipment"]), equipment);

    std::vector<std::string> options;
    for (const auto &entry : mob["Options"])
        options.push_back(entry.first.as<std::string>() + ": " + entry.second.as<std::string>());
    EXPECT_EQ(options, bottomUp(sheet.optionRows, 0));
    EXPECT_EQ(sequence(mob["KillMessages"]), bottomUp(sheet.killMessageRows, 0));
    EXPECT_EQ(sequence(mob["AIGoalSelectors"]), goals);
    EXPECT_EQ(sequence(mob["AITargetSelectors"]), targets);
}

TEST(MobConfigProperty, RandomSheetsKeepEveryPromiseOfTheText) {
    Random random(6);
    const std::vector<std::string> previousKeys = {"", "ZOMBIE", "SKELETON"};
    for (int run = 0; run < 1500; ++run) {
        const MobSheet sheet = randomSheet(random);
        const std::string previousKey = random.pick(previousKeys);
        const mob::MobGeneration generation =
            mob::generateMobConfig(sheet, previousKey, core::TargetServer::Mm4);
        SCOPED_TRACE("run " + std::to_string(run) + ", text:\n" + generation.text);

        const std::vector<std::pair<const std::string *, const char *>> checks = {
            {&sheet.identifier, "请输入怪物编号!"},
            {&sheet.displayName, "请输入怪物名称!"},
            {&sheet.health, "请输入怪物血量!"},
            {&sheet.damage, "请输入怪物伤害!"}};
        std::string warning;
        for (const auto &[field, message] : checks)
            if (warning.empty() && field->empty())
                warning = message;
        ASSERT_EQ(generation.warning, warning);
        if (!warning.empty()) {
            EXPECT_EQ(generation.text, "");
            continue;
        }
        checkText(sheet, previousKey, generation.text);
        if (testing::Test::HasFailure())
            return; // one sheet is enough to see what broke
    }
}

// A file Veltrane wrote, opened and saved without a change, keeps its bytes: what the sheet
// cannot hold (option keys no table knows) goes back where it was.
TEST(MobConfigProperty, RandomSheetsOpenedAndSavedUnchangedKeepTheirBytes) {
    Random random(11);
    for (int run = 0; run < 600; ++run) {
        const MobSheet sheet = randomSheet(random);
        const core::TargetServer target =
            random.chance(50) ? core::TargetServer::Mm4 : core::TargetServer::Mm5;
        const mob::MobGeneration written = mob::generateMobConfig(sheet, "ZOMBIE", target);
        if (!written.ready())
            continue;
        SCOPED_TRACE("run " + std::to_string(run) + ", text:\n" + written.text);
        const auto read = mob::readMobEntry(written.text);
        ASSERT_TRUE(std::holds_alternative<mob::MobReading>(read));
        const mob::MobReading &reading = std::get<mob::MobReading>(read);
        const auto document = core::readConfigDocument(written.text);
        ASSERT_TRUE(std::holds_alternative<core::ConfigDocument>(document));
        const mob::MobGeneration again =
            mob::generateMobConfig(reading.sheet, reading.entityTypeKey, target);
        ASSERT_TRUE(again.ready()) << again.warning;
        EXPECT_EQ(core::spliceEntry(written.text,
                                    std::get<core::ConfigDocument>(document).entries[0].range,
                                    again.text, reading.kept),
                  written.text);
    }
}

} // namespace
