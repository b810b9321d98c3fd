// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/item_config.h"

#include <gtest/gtest.h>

// The cross build for Windows has no yaml-cpp.
#ifdef VELTRANE_YAML_CPP
#include "support/yaml_read.h"
#endif

namespace {

using core::ListEntry;
using item::ItemSheet;
using Rows = std::vector<ListEntry>;

ItemSheet fireSwordSheet() {
    ItemSheet sheet;
    sheet.identifier = "FireSword";
    sheet.material = "DIAMOND_SWORD";
    sheet.dataValue = "0";
    sheet.displayName = "&c烈焰之剑";
    sheet.description = "第一行\r\n第二行";
    sheet.attributeRows = {
        {"    Damage: 10", 1}, {"    AttackSpeed: 1.6", 1}, {"    MovementSpeed: 0.1", 0}};
    sheet.enchantmentRows = {{"FIRE_ASPECT", 2}, {"DAMAGE_ALL", 5}};
    return sheet;
}

// The display name starts with a colour code, so it is quoted; otherwise it would read back
// as an anchor with no value. The slot sections stand under their parent key Attributes,
// each header four blanks deep and its rows six.
TEST(ItemConfigExamples, FireSword) {
    EXPECT_EQ(item::generateItemConfig(fireSwordSheet(), core::TargetServer::Mm4),
              "FireSword:\r\n"
              "  Id: DIAMOND_SWORD\r\n"
              "  Data: 0\r\n"
              "  Display: '&c烈焰之剑'\r\n"
              "  Lore:\r\n"
              "  - 第一行\r\n"
              "  - 第二行\r\n"
              "\r\n"
              "  Attributes:\r\n"
              "    All:\r\n"
              "      MovementSpeed: 0.1\r\n"
              "    MainHand:\r\n"
              "      AttackSpeed: 1.6\r\n"
              "      Damage: 10\r\n"
              "\r\n"
              "  Enchantments:\r\n"
              "  - DAMAGE_ALL:5\r\n"
              "  - FIRE_ASPECT:2\r\n");
}

// Quoted display name for the same reason as above; the Data line keeps its trailing blank.
TEST(ItemConfigExamples, GemWithEmptyDataAndOnlyAnEnchantment) {
    ItemSheet sheet;
    sheet.identifier = "Gem";
    sheet.material = "EMERALD";
    sheet.displayName = "&a宝石";
    sheet.enchantmentRows = {{"DURABILITY", 3}};
    EXPECT_EQ(item::generateItemConfig(sheet, core::TargetServer::Mm4), "Gem:\r\n"
                                                                        "  Id: EMERALD\r\n"
                                                                        "  Data: \r\n"
                                                                        "  Display: '&a宝石'\r\n"
                                                                        "\r\n"
                                                                        "\r\n"
                                                                        "  Enchantments:\r\n"
                                                                        "  - DURABILITY:3\r\n");
}

TEST(ItemConfigExamples, EmptySheetGivesTheBaseLinesAndTwoEmptyLines) {
    EXPECT_EQ(item::generateItemConfig(ItemSheet{}, core::TargetServer::Mm4),
              ":\r\n  Id: \r\n  Data: \r\n  Display: \r\n\r\n\r\n");
}

TEST(ItemConfigLore, OneEntryPerLineBetweenCrLf) {
    // Empty lines and lines that would not read back as typed are quoted.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"A", "  - A\r\n"},
        {"A\r\n", "  - A\r\n"},
        {"\r\n", "  - ''\r\n"},
        {"A\r\n\r\nB", "  - A\r\n  - ''\r\n  - B\r\n"},
        {"A\r\n\r\n", "  - A\r\n  - ''\r\n"},
        {"第一行\r\n第二行", "  - 第一行\r\n  - 第二行\r\n"},
        {"  ", "  - '  '\r\n"},
        {"&7锋利 #1\r\n'&c剑'\r\nit's", "  - '&7锋利 #1'\r\n  - '&c剑'\r\n  - it's\r\n"},
        {"A\nB", "  - 'A\nB'\r\n"}, // a lone LF is not a line break
    };
    for (const auto &[description, entries] : cases) {
        const std::string block = item::buildLoreBlock(description);
        EXPECT_EQ(block, entries.empty() ? "" : "  Lore:\r\n" + entries) << description;
    }
}

TEST(ItemConfigAttributes, SectionsInSlotOrderRowsFromTheBottomUp) {
    const std::vector<std::pair<Rows, std::string>> cases = {
        {{}, ""},
        {{{"    Armor: 2", 3}}, "    Head:\r\n      Armor: 2\r\n"},
        {{{"    a", 6}, {"    b", 0}}, "    All:\r\n      b\r\n    Feet:\r\n      a\r\n"},
        {{{"    A", 4}, {"    B", 4}}, "    Chest:\r\n      B\r\n      A\r\n"},
        {{{"    Luck: 1", 5}}, "    Legs:\r\n      Luck: 1\r\n"},
        {{{"    a", 2}, {"    b", 1}, {"    c", 2}, {"    d", 1}},
         "    MainHand:\r\n      d\r\n      b\r\n    OffHand:\r\n      c\r\n      a\r\n"},
        {{{"    x", 7}, {"    y", -1}, {"    z", 3}}, "    Head:\r\n      z\r\n"},
        {{{"    x", 7}}, ""}, // no row of a known slot: no parent key either
        {{{"    Health: ", 3}}, "    Head:\r\n      Health: \r\n"},
    };
    for (const auto &[rows, sections] : cases)
        EXPECT_EQ(item::buildAttributeBlock(rows),
                  sections.empty() ? "" : "  Attributes:\r\n" + sections);
}

TEST(ItemConfigEnchantments, KeyColonLevelFromTheBottomUp) {
    const std::vector<std::pair<Rows, std::string>> cases = {
        {{}, ""},
        {{{"DAMAGE_ALL", 3}}, "  - DAMAGE_ALL:3\r\n"},
        {{{"THORNS", 0}}, "  - THORNS:0\r\n"},
        {{{"THORNS", -1}, {"LURE", 2147483647}, {"LUCK", -2147483647 - 1}},
         "  - LUCK:-2147483648\r\n  - LURE:2147483647\r\n  - THORNS:-1\r\n"},
        {{{"MENDING", 1}, {"MENDING", 1}}, "  - MENDING:1\r\n  - MENDING:1\r\n"},
    };
    for (const auto &[rows, lines] : cases)
        EXPECT_EQ(item::buildEnchantmentBlock(rows),
                  lines.empty() ? "" : "  Enchantments:\r\n" + lines);
}

TEST(ItemConfigDisplayName, QuotedOnlyWhenItWouldNotReadBackAsTyped) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Sword", "Sword"},
        {"烈焰之剑", "烈焰之剑"},
        {"Bob's sword", "Bob's sword"},
        {"&c剑", "'&c剑'"},
        {"'&c剑'", "'&c剑'"},         // already quoted by the user
        {"'&c剑' x", "'''&c剑'' x'"}, // not one quoted scalar: quoted as a whole
        {"Key: value", "'Key: value'"},
        {" 剑", "' 剑'"},
        {"", ""}, // no value: the item keeps its default name
    };
    for (const auto &[name, written] : cases) {
        ItemSheet sheet;
        sheet.displayName = name;
        EXPECT_NE(item::generateItemConfig(sheet, core::TargetServer::Mm4)
                      .find("\r\n  Display: " + written + "\r\n"),
                  std::string::npos)
            << name;
    }
}

TEST(ItemConfigFields, OtherFieldsAndRowsAreCopiedAsTyped) {
    ItemSheet sheet;
    sheet.identifier = "a: b";
    sheet.material = " &x";
    sheet.dataValue = "'1' # c";
    sheet.attributeRows = {{"    Damage: &1 #x", 0}};
    const std::string text = item::generateItemConfig(sheet, core::TargetServer::Mm4);
    EXPECT_TRUE(text.starts_with("a: b:\r\n  Id:  &x\r\n  Data: '1' # c\r\n  Display: \r\n"))
        << text;
    EXPECT_NE(text.find("\r\n      Damage: &1 #x\r\n"), std::string::npos);
}

#ifdef VELTRANE_YAML_CPP
TEST(ItemConfigYaml, EveryPartReadsBackUnderThePluginsKeys) {
    ItemSheet sheet = fireSwordSheet();
    sheet.displayName = "&6Bob's \"剑\" # : [x]";
    sheet.description = "&7第一行\r\n\r\n'&c引号'\r\n- 列表: 值 #注释\r\n 前后空格 \r\nno\r\n~";
    sheet.attributeRows.push_back({"    Armor: 5", 5});
    sheet.attributeRows.push_back({"    Health: 4", 6});
    sheet.enchantmentRows.push_back({"DIG_SPEED", -3});

    const YAML::Node root =
        testsupport::readYaml(item::generateItemConfig(sheet, core::TargetServer::Mm4));
    const YAML::Node item = root["FireSword"];
    ASSERT_TRUE(item.IsMap());
    EXPECT_EQ(item["Id"].as<std::string>(), "DIAMOND_SWORD");
    EXPECT_EQ(item["Data"].as<int>(), 0);
    EXPECT_EQ(item["Display"].as<std::string>(), sheet.displayName);

    // The line the user quoted reads back without its quotes, every other line as typed.
    const std::vector<std::string> lore = {"&7第一行",   "",   "&c引号", "- 列表: 值 #注释",
                                           " 前后空格 ", "no", "~"};
    ASSERT_TRUE(item["Lore"].IsSequence());
    ASSERT_EQ(item["Lore"].size(), lore.size());
    for (std::size_t i = 0; i < lore.size(); ++i) {
        ASSERT_TRUE(item["Lore"][i].IsScalar()) << i;
        EXPECT_EQ(item["Lore"][i].as<std::string>(), lore[i]) << i;
    }

    const YAML::Node attributes = item["Attributes"];
    ASSERT_TRUE(attributes.IsMap());
    EXPECT_EQ(attributes.size(), 4u);
    EXPECT_EQ(attributes["All"]["MovementSpeed"].as<double>(), 0.1);
    EXPECT_EQ(attributes["MainHand"]["AttackSpeed"].as<double>(), 1.6);
    EXPECT_EQ(attributes["MainHand"]["Damage"].as<int>(), 10);
    EXPECT_EQ(attributes["Legs"]["Armor"].as<int>(), 5);
    EXPECT_EQ(attributes["Feet"]["Health"].as<int>(), 4);

    const std::vector<std::string> enchantments = {"DIG_SPEED:-3", "DAMAGE_ALL:5", "FIRE_ASPECT:2"};
    ASSERT_EQ(item["Enchantments"].size(), enchantments.size());
    for (std::size_t i = 0; i < enchantments.size(); ++i)
        EXPECT_EQ(item["Enchantments"][i].as<std::string>(), enchantments[i]);
}
#endif

TEST(ItemSheetTexts, EveryPlaceIsNamed) {
    ItemSheet sheet = fireSwordSheet();
    sheet.description = "甲\r\n\r\n丙\r\n";
    std::vector<std::pair<std::string, std::string>> named;
    for (const core::NamedText &text : item::itemSheetTexts(sheet))
        named.emplace_back(text.place, std::string(text.text));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"物品编号", "FireSword"},
        {"物品种类", "DIAMOND_SWORD"},
        {"物品耐久", "0"},
        {"物品名称", "&c烈焰之剑"},
        {"物品描述第1行", "甲"},
        {"物品描述第2行", ""},
        {"物品描述第3行", "丙"},
        {"物品属性列表第1行", "    Damage: 10"},
        {"物品属性列表第2行", "    AttackSpeed: 1.6"},
        {"物品属性列表第3行", "    MovementSpeed: 0.1"},
        {"物品附魔列表第1行", "FIRE_ASPECT"},
        {"物品附魔列表第2行", "DAMAGE_ALL"},
    };
    EXPECT_EQ(named, expected);
}

} // namespace
