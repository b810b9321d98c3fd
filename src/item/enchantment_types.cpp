// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/enchantment_types.h"

#include <string>

#include "core/number.h"
#include "core/table_row.h"

namespace item {

// Kept in the order of the drop-down list, which is not alphabetical by key.
const std::array<EnchantmentType, 30> enchantmentTypes = {{
    {"水下速掘[加快水下挖掘速度]", "WATER_WORKER", "1"},
    {"节肢杀手[对节肢生物造成伤害]", "DAMAGE_ARTHROPODS", "5"},
    {"爆炸保护[减少爆炸伤害]", "PROTECTION_EXPLOSIONS", "4"},
    {"绑定诅咒[物品无法被丢弃]", "BINDING_CURSE", "1"},
    {"消失诅咒[物品会在玩家死亡时消失]", "VANISHING_CURSE", "1"},
    {"深海探索者[增加水下行走速度]", "DEPTH_STRIDER", "3"},
    {"效率[加快挖掘速度]", "DIG_SPEED", "5"},
    {"摔落保护[减少跌落伤害]", "PROTECTION_FALL", "4"},
    {"火焰附加[使目标着火]", "FIRE_ASPECT", "2"},
    {"火焰保护[减少火焰伤害]", "PROTECTION_FIRE", "4"},
    {"火矢[箭矢使目标着火]", "ARROW_FIRE", "1"},
    {"时运[增加方块掉落]", "LOOT_BONUS_BLOCKS", "3"},
    {"冰霜行者[允许水上行走]", "FROST_WALKER", "2"},
    {"无限[增加击退几率]", "ARROW_INFINITE", "1"},
    {"击退[增加击退距离]", "KNOCKBACK", "2"},
    {"抢夺[生物能掉更多物品]", "LOOT_BONUS_MOBS", "3"},
    {"海之眷顾[提高钓鱼时获得宝藏的几率]", "LUCK", "3"},
    {"饵钓[提高鱼咬钩的速度]", "LURE", "3"},
    {"经验修补[用经验修补工具的耐久度]", "MENDING", "1"},
    {"力量[增加弓箭伤害]", "ARROW_DAMAGE", "5"},
    {"弹射物保护[减少来源于弹射物的伤害]", "PROTECTION_PROJECTILE", "4"},
    {"保护[减少多数的伤害]", "PROTECTION_ENVIRONMENTAL", "4"},
    {"冲击[增加弓箭的击退距离]", "ARROW_KNOCKBACK", "2"},
    {"水下呼吸[延长水下呼吸时间]", "OXYGEN", "3"},
    {"锋利[增加近战攻击伤害]", "DAMAGE_ALL", "5"},
    {"精准采集[被开采的方块掉落本身]", "SILK_TOUCH", "1"},
    {"亡灵杀手[对亡灵生物造成额外伤害]", "DAMAGE_UNDEAD", "5"},
    {"横扫之刃[增加横扫攻击伤害]", "SWEEPING_EDGE", "3"},
    {"荆棘[给予攻击者伤害]", "THORNS", "3"},
    {"耐久[修改物品的有效耐久]", "DURABILITY", "3"},
}};

std::int32_t enchantmentLevel(std::string_view levelText) {
    return core::truncateToInt32(core::parseNumber(levelText));
}

std::optional<core::ListEntry> enchantmentRow(int index, std::string_view levelText) {
    const EnchantmentType *type = core::tableRow(enchantmentTypes, index);
    if (!type)
        return std::nullopt;
    return core::ListEntry{std::string(type->key), enchantmentLevel(levelText)};
}

} // namespace item
