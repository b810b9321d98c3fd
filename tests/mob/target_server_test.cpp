// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the server reads from the files written for each target: every typed value reads back
// as typed (numbers as the number typed), or the save is refused naming the place.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "item/item_config.h"
#include "mob/mob_config.h"
#include "support/example_sheets.h"
#include "support/gbk.h"
#include "support/server_reader.h"

namespace {

using core::TargetServer;
using testsupport::ServerCharset;

constexpr std::array<TargetServer, 2> targets = {TargetServer::Mm4, TargetServer::Mm5};

testsupport::ServerTree readForTarget(const std::string &utf8, TargetServer target) {
    return target == TargetServer::Mm4
               ? testsupport::readAsServer(testsupport::gbkBytes(utf8), ServerCharset::Gbk)
               : testsupport::readAsServer(utf8, ServerCharset::Utf8);
}

mob::MobSheet dummy() {
    mob::MobSheet sheet;
    sheet.identifier = "Dummy";
    sheet.displayName = "木桩";
    sheet.health = "20";
    sheet.damage = "0";
    return sheet;
}

// One typed value put into one place of a mob sheet, and where the server finds it.
struct MobField {
    const char *place; // as the warning names it
    std::function<void(mob::MobSheet &, const std::string &)> put;
    std::string path; // in the server's tree, for the Dummy mob
};

const std::vector<MobField> mobFields = {
    {"怪物名称", [](mob::MobSheet &s, const std::string &t) { s.displayName = t; },
     "Dummy.Display"},
    {"怪物血量", [](mob::MobSheet &s, const std::string &t) { s.health = t; }, "Dummy.Health"},
    {"怪物伤害", [](mob::MobSheet &s, const std::string &t) { s.damage = t; }, "Dummy.Damage"},
    {"掉落数据列表第1行",
     [](mob::MobSheet &s, const std::string &t) { s.dropRows = {{"  - " + t}}; }, "Dummy.Drops[0]"},
    {"击杀信息列表第1行", [](mob::MobSheet &s, const std::string &t) { s.killMessageRows = {{t}}; },
     "Dummy.KillMessages[0]"},
    {"AI数据列表第1行",
     [](mob::MobSheet &s, const std::string &t) {
         s.aiRows = {{"  - " + t, 0}};
     },
     "Dummy.AIGoalSelectors[0]"},
    {"技能数据列表第1行", [](mob::MobSheet &s, const std::string &t) { s.skillRows = {{t}}; },
     "Dummy.Skills[0]"},
    {"属性数据列表第1行",
     [](mob::MobSheet &s, const std::string &t) { s.optionRows = {{"Note: " + t}}; },
     "Dummy.Options.Note"},
};

bool takesNumbers(const MobField &field) {
    return field.place == std::string("怪物血量") || field.place == std::string("怪物伤害");
}

// Hostile texts: what the server must read for each, or the refusal's words.
struct Hostile {
    std::string typed;
    std::string readsAs; // the value the server reads; empty with refusal set
    std::string refusal; // part of the warning when the save is refused
};

const std::string lineBreak = "含有换行符或控制字符";
const std::string otherValue = "会被服务器读成别的数值";

// For text places: everything reads back as typed, line breaks are refused.
const std::vector<Hostile> textCases = {
    {"&c宝石 1 1", "&c宝石 1 1", ""},
    {"a: b", "a: b", ""},
    {"*ref", "*ref", ""},
    {"@x", "@x", ""},
    {"yes", "yes", ""},
    {"~", "~", ""},
    {"007", "007", ""},
    {"1:30", "1:30", ""},
    {"'q'", "'q'", ""},
    {"&l&n粗体&r", "&l&n粗体&r", ""},
    {"😀聞聯聰聲職", "😀聞聯聰聲職", ""},
    {"a\r\n  Health: 999999", "", lineBreak},
    {"a\tb", "", lineBreak},
};

// For option values: a yes/no word is the boolean an option wants, a number the number
// typed, a value form that is neither is refused, and any other text reads back as typed.
const std::vector<Hostile> optionCases = {
    {"yes", "true", ""},      {"false", "false", ""},  {"0.3", "0.3", ""},
    {"０.５", "0.5", ""},     {"007", "", otherValue}, {"1:30", "", otherValue},
    {"&c宝石", "&c宝石", ""}, {"a: b", "a: b", ""},    {"~", "~", ""},
    {"a\nb", "", lineBreak},
};

// For number places: decimal numbers read as typed, other value forms are refused.
const std::vector<Hostile> numberCases = {
    {"200", "200", ""},       {"0.5", "0.5", ""},        {"１２", "12", ""},
    {"-3", "-3", ""},         {"010", "", otherValue},   {"1_000", "", otherValue},
    {"0x1F", "", otherValue}, {"12:30", "", otherValue}, {"2024-01-01", "", otherValue},
    {"yes", "", otherValue},  {"abc", "abc", ""},        {"&c", "&c", ""},
    {"a\nb", "", lineBreak},
};

TEST(TargetServerFiles, EveryMobFieldReadsBackAsTypedOrIsRefused) {
    SKIP_WITHOUT_SERVER_READER();
    for (const TargetServer target : targets) {
        for (const MobField &field : mobFields) {
            const bool number = takesNumbers(field);
            const bool option = field.path == "Dummy.Options.Note";
            for (const Hostile &c : number ? numberCases : option ? optionCases : textCases) {
                if (field.place == std::string("怪物名称") && c.typed == "a\tb")
                    continue; // covered by the line-break case
                SCOPED_TRACE(std::string(field.place) + " [" + c.typed + "] target " +
                             (target == TargetServer::Mm4 ? "mm4" : "mm5"));
                mob::MobSheet sheet = dummy();
                field.put(sheet, c.typed);
                const mob::MobGeneration generation = mob::generateMobConfig(sheet, "", target);
                if (!c.refusal.empty()) {
                    EXPECT_NE(generation.warning.find(field.place), std::string::npos)
                        << generation.warning;
                    EXPECT_NE(generation.warning.find(c.refusal), std::string::npos)
                        << generation.warning;
                    EXPECT_TRUE(generation.text.empty());
                    continue;
                }
                if (target == TargetServer::Mm4 && c.typed.find("😀") != std::string::npos)
                    continue; // GBK lacks it: the save names it, see the window tests
                ASSERT_TRUE(generation.ready()) << generation.warning;
                const testsupport::ServerTree tree = readForTarget(generation.text, target);
                ASSERT_TRUE(tree.loaded()) << tree.error << "\n" << generation.text;
                const testsupport::ServerLeaf *leaf = tree.find(field.path);
                ASSERT_NE(leaf, nullptr) << tree.dump();
                EXPECT_EQ(leaf->value, c.readsAs) << tree.dump();
                EXPECT_EQ(tree.find("Dummy.Health")->value,
                          number && field.path == "Dummy.Health" ? c.readsAs : "20");
            }
        }
    }
}

TEST(TargetServerFiles, IdentifiersTheServerWouldReadOtherwiseAreRefused) {
    SKIP_WITHOUT_SERVER_READER();
    const std::vector<std::pair<std::string, bool>> cases = {
        {"boss.1", false}, {"007", false},  {"yes", false}, {"~", false},
        {"My Mob", false}, {"a\nb", false}, {"Boss", true}, {"&boss", true},
        {"骷髅王", true},  {"a:b", true},   {"a#b", true},  {"a\\b", true},
    };
    for (const TargetServer target : targets) {
        for (const auto &[identifier, accepted] : cases) {
            SCOPED_TRACE(identifier);
            mob::MobSheet sheet = dummy();
            sheet.identifier = identifier;
            const mob::MobGeneration generation = mob::generateMobConfig(sheet, "", target);
            ASSERT_EQ(generation.ready(), accepted) << generation.warning;
            if (!accepted) {
                EXPECT_TRUE(generation.warning.starts_with("怪物编号“")) << generation.warning;
                continue;
            }
            const testsupport::ServerTree tree = readForTarget(generation.text, target);
            ASSERT_NE(tree.find(identifier + ".Type"), nullptr) << tree.dump();
        }
    }
}

TEST(TargetServerFiles, ItemFieldsReadBackAsTypedOrAreRefused) {
    SKIP_WITHOUT_SERVER_READER();
    for (const TargetServer target : targets) {
        for (const Hostile &c : textCases) {
            if (target == TargetServer::Mm4 && c.typed.find("😀") != std::string::npos)
                continue;
            SCOPED_TRACE(c.typed);
            item::ItemSheet sheet;
            sheet.identifier = "Gem";
            sheet.material = c.typed;
            sheet.displayName = c.typed;
            sheet.description = "first\r\n" + c.typed;
            const item::ItemGeneration generation = item::generateItemConfig(sheet, target);
            if (!c.refusal.empty()) {
                EXPECT_NE(generation.warning.find(c.refusal), std::string::npos);
                continue;
            }
            ASSERT_TRUE(generation.ready()) << generation.warning;
            const testsupport::ServerTree tree = readForTarget(generation.text, target);
            ASSERT_TRUE(tree.loaded()) << tree.error;
            for (const char *path : {"Gem.Id", "Gem.Display", "Gem.Lore[1]"}) {
                const testsupport::ServerLeaf *leaf = tree.find(path);
                ASSERT_NE(leaf, nullptr) << path << "\n" << tree.dump();
                EXPECT_EQ(leaf->value, c.readsAs) << path;
            }
        }
        for (const Hostile &c : numberCases) {
            SCOPED_TRACE(c.typed);
            item::ItemSheet sheet;
            sheet.identifier = "Gem";
            sheet.dataValue = c.typed;
            sheet.attributeRows = {{"    Damage: " + c.typed, 1}};
            const item::ItemGeneration generation = item::generateItemConfig(sheet, target);
            if (!c.refusal.empty()) {
                EXPECT_NE(generation.warning.find(c.refusal), std::string::npos);
                continue;
            }
            const testsupport::ServerTree tree = readForTarget(generation.text, target);
            EXPECT_EQ(tree.find("Gem.Data")->value, c.readsAs) << tree.dump();
            EXPECT_EQ(tree.find("Gem.Attributes.MainHand.Damage")->value, c.readsAs);
        }
    }
}

// The worked examples give the same tree for both targets, read in each target's code page,
// but for the forms of the equipment and enchantment lines.
TEST(TargetServerFiles, WorkedExamplesReadTheSameOnBothTargets) {
    SKIP_WITHOUT_SERVER_READER();
    const auto leaves = [](const testsupport::ServerTree &tree) {
        std::vector<std::string> out;
        for (const testsupport::ServerLeaf &leaf : tree.leaves)
            out.push_back(leaf.path + " " + leaf.type + " " + leaf.value);
        return out;
    };
    const mob::MobSheet king = testsupport::mobSheetOf(testsupport::skeletonKing());
    const std::string oldText = mob::generateMobConfig(king, "", TargetServer::Mm4).text;
    const std::string newText = mob::generateMobConfig(king, "", TargetServer::Mm5).text;
    std::vector<std::string> oldTree = leaves(readForTarget(oldText, TargetServer::Mm4));
    std::vector<std::string> newTree = leaves(readForTarget(newText, TargetServer::Mm5));
    const std::vector<std::pair<std::string, std::string>> equipment = {
        {"IRON_CHESTPLATE:3", "IRON_CHESTPLATE CHEST"},
        {"BOW:0", "BOW HAND"},
        {"GOLDEN_HELMET:4", "GOLDEN_HELMET HEAD"}};
    for (std::string &leaf : oldTree)
        for (const auto &[old, current] : equipment)
            if (leaf.ends_with(" string " + old))
                leaf.replace(leaf.size() - old.size(), old.size(), current);
    EXPECT_EQ(oldTree, newTree);
    EXPECT_NE(newText.find("  Display: '&c骷髅之王'\r\n"), std::string::npos); // UTF-8 as is

    const item::ItemSheet sword = testsupport::itemSheetOf(testsupport::fireSword());
    const std::string oldItem = item::generateItemConfig(sword, TargetServer::Mm4).text;
    const std::string newItem = item::generateItemConfig(sword, TargetServer::Mm5).text;
    std::vector<std::string> oldItemTree = leaves(readForTarget(oldItem, TargetServer::Mm4));
    for (std::string &leaf : oldItemTree)
        for (const char *key : {"DAMAGE_ALL", "FIRE_ASPECT"})
            if (const std::size_t at = leaf.find(std::string(key) + ":"); at != std::string::npos)
                leaf[at + std::string_view(key).size()] = ' ';
    EXPECT_EQ(oldItemTree, leaves(readForTarget(newItem, TargetServer::Mm5)));
}

TEST(TargetServerFiles, RenamedOptionKeysForMythicMobs5) {
    mob::MobSheet sheet = dummy();
    sheet.optionRows = {{"VillagerType: FARMER"},
                        {"HorseSaddled: true"},
                        {"HorseTamed: true"},
                        {"HorseCarryingChest: false"},
                        {"MovementSpeed: 0.3"}};
    const std::string oldText = mob::generateMobConfig(sheet, "", TargetServer::Mm4).text;
    const std::string newText = mob::generateMobConfig(sheet, "", TargetServer::Mm5).text;
    EXPECT_NE(oldText.find("    MovementSpeed: 0.3\r\n    HorseCarryingChest: false\r\n"
                           "    HorseTamed: true\r\n    HorseSaddled: true\r\n"
                           "    VillagerType: FARMER\r\n"),
              std::string::npos);
    EXPECT_NE(newText.find("    MovementSpeed: 0.3\r\n    CarryingChest: false\r\n"
                           "    Tamed: true\r\n    Saddled: true\r\n    Profession: FARMER\r\n"),
              std::string::npos);
}

} // namespace
