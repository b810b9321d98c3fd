// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/item_config.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "item/banner_patterns.h"
#include "item/potion_effects.h"
#include "support/server_reader.h"

namespace {

using core::TargetServer;
using item::ItemSheet;
using Entry = std::tuple<std::string, std::string, std::string>; // path, type, value

// The entries under one key of the item, as the server reads the whole generated file.
std::vector<Entry> serverEntries(const ItemSheet &sheet, TargetServer target,
                                 const std::string &prefix) {
    const testsupport::ServerTree tree = testsupport::readAsServer(
        item::generateItemConfig(sheet, target).text, testsupport::ServerCharset::Utf8);
    EXPECT_TRUE(tree.loaded()) << tree.error;
    std::vector<Entry> entries;
    for (const testsupport::ServerLeaf &leaf : tree.leaves)
        if (leaf.path.starts_with(prefix))
            entries.emplace_back(leaf.path, leaf.type, leaf.value);
    return entries;
}

ItemSheet healingPotion() {
    ItemSheet sheet;
    sheet.identifier = "Healing";
    sheet.material = "POTION";
    sheet.enchantmentRows = {{"DURABILITY", 1}};
    sheet.potionEffectRows = {*item::potionEffectRow(5, "1", "2").row,
                              *item::potionEffectRow(1, "30.5", "1").row};
    sheet.potionColour = item::RgbColour{255, 0, 7};
    return sheet;
}

ItemSheet paintedShield() {
    ItemSheet sheet;
    sheet.identifier = "Shield";
    sheet.material = "SHIELD";
    // White small stripes over a red diagonal: two patterns that were renamed in 1.20.5.
    sheet.bannerLayerRows = {*item::bannerLayerRow(14, 21), *item::bannerLayerRow(0, 13)};
    return sheet;
}

// The new sections come after the enchantments and read back with the names of the target;
// their order in the file is the order of the rows.
TEST(ItemSectionsServer, SectionsReadBackAsTheRowsSayForBothTargets) {
    SKIP_WITHOUT_SERVER_READER();
    struct Case {
        const char *what;
        ItemSheet sheet;
        TargetServer target;
        std::string prefix;
        std::vector<Entry> entries;
    };
    const std::vector<Case> cases = {
        {"potion on Mm4",
         healingPotion(),
         TargetServer::Mm4,
         "Healing.",
         {{"Healing.Id", "string", "POTION"},
          {"Healing.Enchantments", "list", "1"},
          {"Healing.Enchantments[0]", "string", "DURABILITY:1"},
          {"Healing.PotionEffects", "list", "2"},
          {"Healing.PotionEffects[0]", "string", "HEAL 20 1"},
          {"Healing.PotionEffects[1]", "string", "SLOW 610 0"},
          {"Healing.Options", "section", "1"},
          {"Healing.Options.Color", "string", "255,0,7"}}},
        {"potion on Mm5",
         healingPotion(),
         TargetServer::Mm5,
         "Healing.Potion",
         {{"Healing.PotionEffects", "list", "2"},
          {"Healing.PotionEffects[0]", "string", "INSTANT_HEALTH 20 1"},
          {"Healing.PotionEffects[1]", "string", "SLOWNESS 610 0"}}},
        {"shield on Mm4",
         paintedShield(),
         TargetServer::Mm4,
         "Shield.Banner",
         {{"Shield.BannerLayers", "list", "2"},
          {"Shield.BannerLayers[0]", "string", "RED DIAGONAL_RIGHT"},
          {"Shield.BannerLayers[1]", "string", "WHITE STRIPE_SMALL"}}},
        {"shield on Mm5",
         paintedShield(),
         TargetServer::Mm5,
         "Shield.Banner",
         {{"Shield.BannerLayers", "list", "2"},
          {"Shield.BannerLayers[0]", "string", "RED DIAGONAL_UP_RIGHT"},
          {"Shield.BannerLayers[1]", "string", "WHITE SMALL_STRIPES"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(serverEntries(c.sheet, c.target, c.prefix), c.entries);
    }
}

TEST(ItemSections, WrittenAfterTheEnchantmentsInAFixedOrder) {
    ItemSheet sheet = healingPotion();
    sheet.bannerLayerRows = paintedShield().bannerLayerRows;
    const std::string text = item::generateItemConfig(sheet, TargetServer::Mm5).text;
    const std::size_t enchantments = text.find("  Enchantments:\r\n");
    const std::size_t effects = text.find("  PotionEffects:\r\n");
    const std::size_t layers = text.find("  BannerLayers:\r\n");
    const std::size_t options = text.find("  Options:\r\n    Color: 255,0,7\r\n");
    ASSERT_NE(options, std::string::npos) << text;
    EXPECT_LT(enchantments, effects);
    EXPECT_LT(effects, layers);
    EXPECT_LT(layers, options);
    EXPECT_TRUE(text.ends_with("    Color: 255,0,7\r\n")) << text;
}

TEST(IgnoredSectionsQuestion, AsksOnlyForRowsTheIdIgnores) {
    struct Case {
        const char *material;
        bool effects, layers;
        bool asksEffects, asksLayers;
    };
    const std::vector<Case> cases = {
        {"POTION", true, false, false, false},
        {"minecraft:tipped_arrow", true, false, false, false},
        {"DIAMOND_SWORD", true, false, true, false},
        {"", true, true, true, true},
        {"RED_BANNER", false, true, false, false},
        {"shield", true, true, true, false},
        {"splash_potion", true, true, false, true},
        {"DIAMOND_SWORD", false, false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.material) + (c.effects ? " effects" : "") +
                     (c.layers ? " layers" : ""));
        ItemSheet sheet;
        sheet.material = c.material;
        if (c.effects)
            sheet.potionEffectRows = healingPotion().potionEffectRows;
        if (c.layers)
            sheet.bannerLayerRows = paintedShield().bannerLayerRows;
        const std::string question = item::ignoredSectionsQuestion(sheet);
        EXPECT_EQ(question.find("药水数据") != std::string::npos, c.asksEffects) << question;
        EXPECT_EQ(question.find("旗帜数据") != std::string::npos, c.asksLayers) << question;
        EXPECT_EQ(question.empty(), !c.asksEffects && !c.asksLayers) << question;
        if (!question.empty()) {
            EXPECT_NE(question.find("“" + std::string(c.material) + "”"), std::string::npos);
            EXPECT_TRUE(question.ends_with("仍然生成配置吗？")) << question;
        }
    }
}

} // namespace
