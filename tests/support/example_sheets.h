// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "item/item_sheet.h"
#include "mob/mob_sheet.h"

// The example sheets the tests and the screenshots share, as the user enters them: every
// list in the order its rows are added, every dialog row by its index.
namespace testsupport {

struct ExampleDrop {
    int type; // row of 掉落类型框
    std::vector<std::string> fields;
};

struct ExampleMob {
    // Members left out of an example stay empty.
    std::string identifier = {};
    int entityType = 0;
    std::string displayName = {}, health = {}, damage = {};
    std::vector<ExampleDrop> drops = {};
    std::string mainHand = {}, offHand = {}, helmet = {}, chestplate = {}, leggings = {},
                boots = {};
    std::vector<std::pair<int, std::string>> options = {}; // option row, value
    std::vector<std::string> killMessages = {};
    std::vector<std::pair<int, std::string>> aiGoals = {}, aiTargets = {}; // key row, priority
};

struct ExampleAttribute {
    int slot, type;
    std::string value;
};

struct ExampleItem {
    std::string identifier = {}, material = {}, dataValue = {}, displayName = {};
    std::vector<std::string> descriptionLines = {};
    std::vector<ExampleAttribute> attributes = {};
    std::vector<std::pair<int, std::string>> enchantments = {}; // enchantment row, level typed
};

// SkeletonKing, a skeleton with every section of the mob file filled.
const ExampleMob &skeletonKing();
// FireSword, a sword with lore, attributes in two slots and two enchantments.
const ExampleItem &fireSword();

// The sheets the windows hold once the example is entered, with the rows the add buttons
// compose.
mob::MobSheet mobSheetOf(const ExampleMob &example);
item::ItemSheet itemSheetOf(const ExampleItem &example);

} // namespace testsupport
