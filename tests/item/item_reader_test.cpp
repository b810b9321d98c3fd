// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "core/config_document.h"
#include "item/banner_patterns.h"
#include "item/item_config.h"
#include "item/item_reader.h"
#include "item/potion_effects.h"
#include "support/example_sheets.h"
#include "support/fixtures.h"

namespace {

using core::TargetServer;
using item::ItemReading;
using item::ItemSheet;

ItemReading readingOf(std::string_view entryText, TargetServer target = TargetServer::Mm5) {
    auto read = item::readItemEntry(entryText, target);
    if (const auto *error = std::get_if<core::ConfigError>(&read))
        ADD_FAILURE() << error->line << ':' << error->column << ' ' << error->message;
    return std::get_if<ItemReading>(&read) ? std::get<ItemReading>(read) : ItemReading{};
}

void expectSameSheet(const ItemSheet &read, const ItemSheet &written) {
    EXPECT_EQ(read.identifier, written.identifier);
    EXPECT_EQ(read.material, written.material);
    EXPECT_EQ(read.dataValue, written.dataValue);
    EXPECT_EQ(read.displayName, written.displayName);
    EXPECT_EQ(read.description, written.description);
    EXPECT_EQ(read.attributeRows, written.attributeRows);
    EXPECT_EQ(read.enchantmentRows, written.enchantmentRows);
    EXPECT_EQ(read.potionEffectRows, written.potionEffectRows);
    EXPECT_EQ(read.bannerLayerRows, written.bannerLayerRows);
    EXPECT_EQ(read.potionColour, written.potionColour);
}

TEST(ItemReader, WrittenSheetsReadBackAndSaveToTheSameBytes) {
    const ItemSheet sword = testsupport::itemSheetOf(testsupport::fireSword());
    ItemSheet potion;
    potion.identifier = "Brew";
    potion.material = "POTION";
    potion.displayName = "it's: 药水";
    potion.description = "\r\n第二行";
    potion.potionEffectRows = {*item::potionEffectRow(0, "1.25", "2").row,
                               *item::potionEffectRow(3, "10", "1").row};
    potion.potionColour = item::RgbColour{239, 103, 216};
    ItemSheet banner;
    banner.identifier = "Flag";
    banner.material = "WHITE_BANNER";
    banner.bannerLayerRows = {*item::bannerLayerRow(1, 2), *item::bannerLayerRow(14, 0)};

    for (const TargetServer target : {TargetServer::Mm4, TargetServer::Mm5}) {
        for (const ItemSheet &sheet : {sword, potion, banner}) {
            SCOPED_TRACE(sheet.identifier + (target == TargetServer::Mm4 ? " Mm4" : " Mm5"));
            const item::ItemGeneration written = item::generateItemConfig(sheet, target);
            ASSERT_TRUE(written.ready()) << written.warning;
            const ItemReading reading = readingOf(written.text, target);
            expectSameSheet(reading.sheet, sheet);
            EXPECT_TRUE(reading.kept.empty());
            const auto document =
                std::get<core::ConfigDocument>(core::readConfigDocument(written.text));
            EXPECT_EQ(core::spliceEntry(written.text, document.entries[0].range,
                                        item::generateItemConfig(reading.sheet, target).text,
                                        reading.kept),
                      written.text);
        }
    }
}

TEST(ItemReader, FillsTheSheetFromHandWrittenEntries) {
    const std::string file = testsupport::fixtureBytes("several_items.yml");
    const auto document = std::get<core::ConfigDocument>(core::readConfigDocument(file));
    ASSERT_EQ(document.entries.size(), 2u);
    const auto entryText = [&](std::size_t i) {
        const core::TextRange range = document.entries[i].range;
        return file.substr(range.begin, range.end - range.begin);
    };
    const ItemReading bow = readingOf(entryText(0));
    EXPECT_EQ(bow.sheet.displayName, "&6King's Bow");
    EXPECT_EQ(bow.sheet.description, "&7Once held by a king");
    // The list shows the file's first enchantment at the bottom.
    EXPECT_EQ(bow.sheet.enchantmentRows,
              (std::vector<core::ListEntry>{{"DURABILITY", 2}, {"ARROW_DAMAGE", 3}}));
    EXPECT_EQ(bow.kept.keys, "  Hide:\n  - ENCHANTS\n");

    const ItemReading potion = readingOf(entryText(1));
    EXPECT_EQ(potion.sheet.potionColour, (item::RgbColour{255, 0, 0}));
    EXPECT_EQ(potion.sheet.potionEffectRows.size(), 1u);
    // Attributes without their Attributes key, in an old file's spelling of Legs.
    EXPECT_EQ(potion.sheet.attributeRows,
              (std::vector<core::ListEntry>{{"    Armor: 2", 5}, {"    Damage: 5", 1}}));
    EXPECT_EQ(potion.kept.options, "    Unbreakable: true\n");
    EXPECT_TRUE(potion.kept.keys.empty());
}

TEST(ItemReader, EditingOneEntryOfAFileKeepsTheOthers) {
    const std::string file = testsupport::fixtureBytes("several_items.yml");
    const auto document = std::get<core::ConfigDocument>(core::readConfigDocument(file));
    const core::ConfigNode &entry = document.entries[0];
    ItemReading reading =
        readingOf(file.substr(entry.range.begin, entry.range.end - entry.range.begin));
    reading.sheet.displayName = "&6王者之弓";
    const item::ItemGeneration written = item::generateItemConfig(reading.sheet, TargetServer::Mm4);
    EXPECT_EQ(core::spliceEntry(file, entry.range, written.text, reading.kept),
              testsupport::fixtureBytes("several_items.bow_display.yml"));
}

} // namespace
