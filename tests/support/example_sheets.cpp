// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/example_sheets.h"

#include <array>
#include <stdexcept>

#include "item/attribute_types.h"
#include "item/enchantment_types.h"
#include "mob/ai_keys.h"
#include "mob/drop_types.h"
#include "mob/entity_types.h"
#include "mob/mob_options.h"

namespace testsupport {
namespace {

core::ListEntry rowOf(const mob::RowOutcome &outcome) {
    if (!outcome.row)
        throw std::logic_error("an example row is refused: " + outcome.warning);
    return *outcome.row;
}

} // namespace

const ExampleMob &skeletonKing() {
    static const ExampleMob example = {
        .identifier = "SkeletonKing",
        .entityType = 35,
        .displayName = "&c骷髅之王",
        .health = "200",
        .damage = "8",
        .drops = {{0, {"10", "1"}}, {2, {"diamond", "2", "0.5"}}, {1, {"50", "0.25"}}},
        .mainHand = "BOW",
        .helmet = "GOLDEN_HELMET",
        .chestplate = "IRON_CHESTPLATE",
        .options = {{16, "0.3"}, {28, "true"}},
        .killMessages = {"<target.name>被骷髅之王击杀了", "骷髅之王又赢了"},
        .aiGoals = {{0, "0"}, {13, "1"}},
        .aiTargets = {{0, "0"}, {2, "1"}},
    };
    return example;
}

const ExampleItem &fireSword() {
    static const ExampleItem example = {
        .identifier = "FireSword",
        .material = "DIAMOND_SWORD",
        .dataValue = "0",
        .displayName = "&c烈焰之剑",
        .descriptionLines = {"第一行", "第二行"},
        .attributes = {{1, 3, "10"}, {1, 0, "1.6"}, {0, 8, "0.1"}},
        .enchantments = {{8, "2"}, {24, "5"}},
    };
    return example;
}

mob::MobSheet mobSheetOf(const ExampleMob &example) {
    mob::MobSheet sheet;
    sheet.identifier = example.identifier;
    sheet.entityType = example.entityType;
    sheet.displayName = example.displayName;
    sheet.health = example.health;
    sheet.damage = example.damage;
    for (const ExampleDrop &drop : example.drops) {
        mob::DropFields fields;
        for (std::size_t i = 0; i < drop.fields.size(); ++i)
            fields[i] = drop.fields[i];
        // The drop editor puts each new drop on top.
        sheet.dropRows.insert(sheet.dropRows.begin(), rowOf(mob::addDrop(drop.type, fields)));
    }
    sheet.mainHand = example.mainHand;
    sheet.offHand = example.offHand;
    sheet.helmet = example.helmet;
    sheet.chestplate = example.chestplate;
    sheet.leggings = example.leggings;
    sheet.boots = example.boots;
    const std::string entity(
        mob::entityTypes[static_cast<std::size_t>(example.entityType)].caption);
    for (const auto &[row, value] : example.options)
        sheet.optionRows.push_back(rowOf(mob::addMobOption(entity, row, value)));
    for (const std::string &message : example.killMessages)
        sheet.killMessageRows.push_back({message, 0});
    for (const auto &[row, priority] : example.aiGoals)
        sheet.aiRows.push_back(rowOf(mob::addAiGoal(row, priority)));
    for (const auto &[row, priority] : example.aiTargets)
        sheet.aiRows.push_back(rowOf(mob::addAiTarget(row, priority)));
    return sheet;
}

item::ItemSheet itemSheetOf(const ExampleItem &example) {
    item::ItemSheet sheet;
    sheet.identifier = example.identifier;
    sheet.material = example.material;
    sheet.dataValue = example.dataValue;
    sheet.displayName = example.displayName;
    for (std::size_t i = 0; i < example.descriptionLines.size(); ++i)
        sheet.description += (i > 0 ? "\r\n" : "") + example.descriptionLines[i];
    for (const ExampleAttribute &attribute : example.attributes)
        sheet.attributeRows.push_back(
            *item::attributeRow(attribute.slot, attribute.type, attribute.value));
    for (const auto &[row, level] : example.enchantments)
        sheet.enchantmentRows.push_back(*item::enchantmentRow(row, level));
    return sheet;
}

} // namespace testsupport
