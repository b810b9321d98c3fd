// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_entry.h"

namespace item {

struct AttributeSlot {
    std::string_view caption;
    std::string_view key; // the section the plugin reads the slot's attributes from
};

// The rows of the slot drop-down list; the row index is the tag of an attribute row.
inline constexpr std::array<AttributeSlot, 7> attributeSlots = {{
    {"属性在所有装备栏生效", "All"},
    {"属性只在主手时生效", "MainHand"},
    {"属性只在副手时生效", "OffHand"},
    {"属性只在头盔栏生效", "Head"},
    {"属性只在护甲栏生效", "Chest"},
    {"属性只在护腿栏生效", "Legs"},
    {"属性只在靴子栏生效", "Feet"},
}};

struct AttributeType {
    std::string_view caption;
    std::string_view linePrefix; // four blanks, the key, a colon and a blank
};

// The rows of the type drop-down list, in their order.
inline constexpr std::array<AttributeType, 9> attributeTypes = {{
    {"武器攻速", "    AttackSpeed: "},
    {"物品护甲", "    Armor: "},
    {"护甲韧性", "    ArmorToughness: "},
    {"武器伤害", "    Damage: "},
    {"跟随距离", "    FollowRange: "},
    {"生命上限", "    Health: "},
    {"幸运值", "    Luck: "},
    {"击退抗性", "    KnockbackResistance: "},
    {"移动速度", "    MovementSpeed: "},
}};

// The row for the selected slot and type with the value as typed; nothing when either
// selection is not a row of its table.
std::optional<core::ListEntry> attributeRow(int slot, int type, std::string_view value);

// The warning for a row of a slot and type that the list already holds ("“属性只在主手时生效”
// 中已有“武器伤害”"), which would be a second key of the same name in the file; empty when
// there is none, or when either selection is no row.
std::string duplicateAttributeWarning(const std::vector<core::ListEntry> &rows, int slot, int type);

// "3分9秒:添加属性成功!": minute and second without zero padding.
std::string attributeAddedStatus(int minute, int second);

} // namespace item
