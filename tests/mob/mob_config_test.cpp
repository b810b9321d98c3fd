// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_config.h"

#include <gtest/gtest.h>

#include "support/example_sheets.h"
// The cross build for Windows has no yaml-cpp.
#ifdef VELTRANE_YAML_CPP
#include "support/yaml_read.h"
#endif

namespace {

using core::ListEntry;
using mob::MobSheet;

std::string equipmentSection(const MobSheet &sheet) {
    core::ValueWriter writer;
    return mob::buildEquipmentSection(sheet, core::TargetServer::Mm4, writer);
}

MobSheet dummySheet() {
    MobSheet sheet;
    sheet.identifier = "Dummy";
    sheet.displayName = "木桩";
    sheet.health = "20";
    sheet.damage = "0";
    return sheet;
}

MobSheet skeletonKingSheet() {
    return testsupport::mobSheetOf(testsupport::skeletonKing());
}

std::string generate(const MobSheet &sheet) {
    const mob::MobGeneration generation =
        mob::generateMobConfig(sheet, "", core::TargetServer::Mm4);
    EXPECT_TRUE(generation.ready()) << generation.warning;
    return generation.text;
}

TEST(MobConfigExamples, EverySectionFilled) {
    EXPECT_EQ(generate(skeletonKingSheet()), "SkeletonKing:\r\n"
                                             "  Type: SKELETON\r\n"
                                             "  Display: '&c骷髅之王'\r\n"
                                             "  Health: 200\r\n"
                                             "  Damage: 8\r\n"
                                             "  Drops:\r\n"
                                             "  - exp 10 1\r\n"
                                             "  - diamond 2 0.5\r\n"
                                             "  - money 50 0.25\r\n"
                                             "  Equipment:\r\n"
                                             "  - IRON_CHESTPLATE:3\r\n"
                                             "  - BOW:0\r\n"
                                             "  - GOLDEN_HELMET:4\r\n"
                                             "  Options:\r\n"
                                             "    ShowHealth: true\r\n"
                                             "    MovementSpeed: 0.3\r\n"
                                             "\r\n"
                                             "  KillMessages:\r\n"
                                             "  - '骷髅之王又赢了'\r\n"
                                             "  - '<target.name>被骷髅之王击杀了'\r\n"
                                             "\r\n"
                                             "  AIGoalSelectors:\r\n"
                                             "  - 1 meleeattack\r\n"
                                             "  - 0 clear\r\n"
                                             "\r\n"
                                             "  AITargetSelectors:\r\n"
                                             "  - 1 players\r\n"
                                             "  - 0 clear\r\n");
}

TEST(MobConfigExamples, SmallestText) {
    EXPECT_EQ(generate(dummySheet()),
              "Dummy:\r\n  Type: ARMOR_STAND\r\n  Display: '木桩'\r\n"
              "  Health: 20\r\n  Damage: 0\r\n  Drops:\r\n  Options:\r\n\r\n\r\n");
}

TEST(MobConfigAiSection, FourCasesAndEitherOrder) {
    const ListEntry goal{"  - 1 meleeattack", 0};
    const ListEntry target{"  - 2 players", 1};
    const std::string goals = "  AIGoalSelectors:\r\n  - 1 meleeattack\r\n";
    const std::string targets = "  AITargetSelectors:\r\n  - 2 players\r\n";
    const std::string prefix = generate(dummySheet());
    const std::vector<std::pair<std::vector<ListEntry>, std::string>> cases = {
        {{}, ""},
        {{goal}, goals},
        {{target}, targets},
        {{goal, target}, goals + "\r\n" + targets},
        {{target, goal}, goals + "\r\n" + targets},
    };
    for (const auto &[rows, section] : cases) {
        MobSheet sheet = dummySheet();
        sheet.aiRows = rows;
        EXPECT_EQ(generate(sheet), prefix + section);
    }
}

TEST(MobConfigAiSection, InterleavedRowsKeepTheirOwnOrderFromTheBottom) {
    MobSheet sheet = dummySheet();
    sheet.aiRows = {{"  - g1", 0}, {"  - t1", 1}, {"  - g2", 0}, {"  - t2", 1}};
    EXPECT_EQ(generate(sheet), generate(dummySheet()) +
                                   "  AIGoalSelectors:\r\n  - g2\r\n  - g1\r\n\r\n"
                                   "  AITargetSelectors:\r\n  - t2\r\n  - t1\r\n");
}

TEST(MobConfigChecks, FirstEmptyBaseFieldWarnsAndTheKeyIsStillResolved) {
    const std::vector<std::pair<std::string MobSheet::*, std::string>> checks = {
        {&MobSheet::identifier, "请输入怪物编号!"},
        {&MobSheet::displayName, "请输入怪物名称!"},
        {&MobSheet::health, "请输入怪物血量!"},
        {&MobSheet::damage, "请输入怪物伤害!"},
    };
    for (std::size_t failing = 0; failing < checks.size(); ++failing) {
        MobSheet sheet = dummySheet();
        sheet.entityType = 11;
        for (std::size_t i = failing; i < checks.size(); ++i)
            sheet.*checks[i].first = ""; // later fields empty too: only the first is named
        const mob::MobGeneration generation =
            mob::generateMobConfig(sheet, "OLD", core::TargetServer::Mm4);
        EXPECT_FALSE(generation.ready());
        EXPECT_EQ(generation.warning, checks[failing].second);
        EXPECT_EQ(generation.text, "");
        EXPECT_EQ(generation.entityTypeKey, "CREEPER");
    }
}

TEST(MobConfigChecks, BlankFieldsAreFilled) {
    MobSheet sheet = dummySheet();
    sheet.health = " ";
    // Filled, and quoted so the blank reads back instead of a null.
    EXPECT_NE(generate(sheet).find("  Health: ' '\r\n"), std::string::npos);
}

// Skills keep the list's order, top row first, after an empty line that follows the AI
// section; without AI the kill messages' empty line already stands before them.
TEST(MobConfigSkills, TopRowFirstAfterTheAiSection) {
    const std::vector<ListEntry> skills = {{"skill{s=FireRing} @self ~onTimer:100"},
                                           {"heal{amount=5} ~onDamaged <50% 1"}};
    const std::string section = "  Skills:\r\n  - skill{s=FireRing} @self ~onTimer:100\r\n"
                                "  - heal{amount=5} ~onDamaged <50% 1\r\n";
    MobSheet sheet = dummySheet();
    sheet.skillRows = skills;
    EXPECT_EQ(generate(sheet), generate(dummySheet()) + section);

    sheet.aiRows = {{"  - 0 clear", 1}};
    EXPECT_EQ(generate(sheet),
              generate(dummySheet()) + "  AITargetSelectors:\r\n  - 0 clear\r\n\r\n" + section);

    sheet = skeletonKingSheet();
    sheet.skillRows = skills;
    EXPECT_EQ(generate(sheet), generate(skeletonKingSheet()) + "\r\n" + section);
}

// A line YAML would read as something else is quoted; the rest stay as composed.
TEST(MobConfigSkills, LinesYamlWouldMisreadAreQuoted) {
    MobSheet sheet = dummySheet();
    sheet.skillRows = {{"message{m=\"a: b\"}"}, {"damage{amount=1} #x"}, {"heal"}};
    EXPECT_TRUE(generate(sheet).ends_with("  Skills:\r\n  - 'message{m=\"a: b\"}'\r\n"
                                          "  - 'damage{amount=1} #x'\r\n  - heal\r\n"));
}

TEST(MobConfigSkills, TextsNameTheSkillList) {
    MobSheet sheet = dummySheet();
    sheet.skillRows = {{"heal"}, {"jump"}};
    const std::vector<core::NamedText> texts = mob::mobSheetTexts(sheet);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2].place, "技能数据列表第1行");
    EXPECT_EQ(texts.back().place, "技能数据列表第2行");
    EXPECT_EQ(texts.back().text, "jump");
}

TEST(MobConfigEntityType, NoSelectionKeepsThePreviousKey) {
    MobSheet sheet = dummySheet();
    sheet.entityType = -1;
    EXPECT_EQ(mob::generateMobConfig(sheet, "ZOMBIE", core::TargetServer::Mm4).entityTypeKey,
              "ZOMBIE");
    EXPECT_NE(mob::generateMobConfig(sheet, "", core::TargetServer::Mm4).text.find("  Type: \r\n"),
              std::string::npos);
    sheet.entityType = 53;
    EXPECT_EQ(mob::generateMobConfig(sheet, "PIG", core::TargetServer::Mm4).entityTypeKey, "PIG");
    EXPECT_EQ(mob::resolveEntityTypeKey(30, ""), "PRIMED_TNT");
    EXPECT_EQ(mob::resolveEntityTypeKey(52, ""), "ZOMBIE_VILLAGER");
}

TEST(MobConfigEquipment, SlotOrderAndPlacement) {
    MobSheet sheet = dummySheet();
    sheet.leggings = "CHAINMAIL_LEGGINGS";
    EXPECT_EQ(equipmentSection(sheet), "  Equipment:\r\n  - CHAINMAIL_LEGGINGS:2\r\n");
    EXPECT_NE(generate(sheet).find("  Drops:\r\n  Equipment:\r\n"), std::string::npos);

    sheet.mainHand = "a";
    sheet.offHand = "b";
    sheet.helmet = "c";
    sheet.chestplate = "d";
    sheet.boots = "e";
    EXPECT_EQ(equipmentSection(sheet), "  Equipment:\r\n  - d:3\r\n  - a:0\r\n  - c:4\r\n"
                                       "  - b:5\r\n  - e:1\r\n  - CHAINMAIL_LEGGINGS:2\r\n");
    EXPECT_EQ(equipmentSection(dummySheet()), "");
}

TEST(MobConfigLists, KillMessagesNewestFirstAndAiWithoutKillMessages) {
    MobSheet sheet = dummySheet();
    sheet.killMessageRows = {{"a"}, {"b"}, {"c"}};
    EXPECT_NE(generate(sheet).find("  KillMessages:\r\n  - 'c'\r\n  - 'b'\r\n  - 'a'\r\n\r\n"),
              std::string::npos);

    sheet = dummySheet();
    sheet.optionRows = {{"Silent: true"}};
    sheet.aiRows = {{"  - 0 clear", 1}};
    EXPECT_NE(generate(sheet).find("    Silent: true\r\n\r\n\r\n  AITargetSelectors:\r\n"),
              std::string::npos);
}

TEST(MobConfigQuoting, SingleQuotesAreDoubledInDisplayNameAndKillMessages) {
    MobSheet sheet = dummySheet();
    sheet.displayName = "Bob's";
    sheet.killMessageRows = {{"it's <target.name>'"}};
    const std::string text = generate(sheet);
    EXPECT_NE(text.find("  Display: 'Bob''s'\r\n"), std::string::npos);
    EXPECT_NE(text.find("  - 'it''s <target.name>'''\r\n"), std::string::npos);
}

#ifdef VELTRANE_YAML_CPP
TEST(MobConfigYaml, TypedTextsReadBackExactly) {
    MobSheet sheet = skeletonKingSheet();
    sheet.displayName = "&6Bob's \"王\" # : [x]";
    sheet.killMessageRows.push_back({"'引号' & #注释: - [a] {b}"});
    const YAML::Node root = testsupport::readYaml(generate(sheet));
    const YAML::Node mob = root["SkeletonKing"];
    ASSERT_TRUE(mob.IsMap());
    EXPECT_EQ(mob["Type"].as<std::string>(), "SKELETON");
    EXPECT_EQ(mob["Display"].as<std::string>(), sheet.displayName);
    EXPECT_EQ(mob["Health"].as<int>(), 200);
    ASSERT_EQ(mob["KillMessages"].size(), sheet.killMessageRows.size());
    for (std::size_t i = 0; i < sheet.killMessageRows.size(); ++i)
        EXPECT_EQ(mob["KillMessages"][i].as<std::string>(),
                  sheet.killMessageRows[sheet.killMessageRows.size() - 1 - i].text);
    EXPECT_EQ(mob["Options"]["MovementSpeed"].as<double>(), 0.3);
    EXPECT_EQ(mob["Equipment"][0].as<std::string>(), "IRON_CHESTPLATE:3");
    EXPECT_EQ(mob["AITargetSelectors"][0].as<std::string>(), "1 players");
}
#endif

TEST(MobConfigStability, SameSheetGivesIdenticalText) {
    EXPECT_EQ(generate(skeletonKingSheet()), generate(skeletonKingSheet()));
}

} // namespace
