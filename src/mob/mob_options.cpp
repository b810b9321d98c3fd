// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_options.h"

#include <algorithm>
#include <string>

namespace mob {

// Some captions name a class of mobs in brackets; the key follows the row, never the
// wording (row 17 "生物是否有AI" is NoAI).
const std::array<MobOption, 30> generalOptions = {{
    {"[可繁殖生物]生物的年龄", "Age:"},
    {"[可繁殖生物]锁定生物年龄", "AgeLock:"},
    {"[可染色生物]颜色[0-15]", "Color:"},
    {"[中立生物]生成时是否被激怒", "Angry:"},
    {"[史莱姆&熔岩史莱姆]防止分裂", "PreventSlimeSplit:"},
    {"[史莱姆&熔岩史莱姆]史莱姆大小[1-8]", "Size:"},
    {"[可驯服生物]玩家是否允许驯服生物", "Tameable:"},
    {"生物名称始终显示", "AlwaysShowName:"},
    {"生物攻击速度", "AttackSpeed:"},
    {"生物是否可碰撞", "Collidable:"},
    {"附近没有玩家生物是否删除", "Despawn:"},
    {"生物跟随目标最大距离", "FollowRange:"},
    {"生物是否发光", "Glowing:"},
    {"生物是否对所有伤害无效", "Invincible:"},
    {"生物抗性", "KnockbackResistance:"},
    {"生物多远不能被玩家伤害", "MaxCombatDistance:"},
    {"生物移动速度", "MovementSpeed:"},
    {"生物是否有AI", "NoAI:"},
    {"生物受到伤害后无敌时间", "NoDamageTicks:"},
    {"生物是否有重力", "NoGravity:"},
    {"指令无法击杀怪物", "Persistent:"},
    {"防止生物捡起物品", "PreventItemPickup:"},
    {"防止被栓绳拉住", "PreventLeashing:"},
    {"防止生物被击杀后掉落物品", "PreventMobKillDrops:"},
    {"防止生物被击杀后掉落原版物品", "PreventOtherDrops:"},
    {"防止怪物出生时随机生成装备", "PreventRandomEquipment:"},
    {"防止使用命名牌重命名生物", "PreventRenaming:"},
    {"生物血量上升重复使用技能", "RepeatAllSkills:"},
    {"是否显示生命信息", "ShowHealth:"},
    {"是否阻止生物发出原版音效", "Silent:"},
}};

namespace {

constexpr std::array<MobOption, 11> armorStandOptions = {{
    {"[盔甲架]是否有手臂", "HasArms:"},
    {"[盔甲架]是否有重力", "HasGravity:"},
    {"[盔甲架]是否隐身", "Invisible:"},
    {"[盔甲架]佩戴在身体的物品", "ItemBody:"},
    {"[盔甲架]佩戴在脚上的物品", "ItemFeet:"},
    {"[盔甲架]佩戴在手上的物品", "ItemHand:"},
    {"[盔甲架]佩戴在头上的物品", "ItemHead:"},
    {"[盔甲架]佩戴在腿上的物品", "ItemLegs:"},
    {"[盔甲架]是否标记", "Marker:"},
    {"[盔甲架]是否是小盔甲架", "Small:"},
    {"[盔甲架]数值[开发中 暂无用处]", "Pose:"},
}};
constexpr std::array<MobOption, 1> chickenOptions = {{{"[鸡]是否是鸡骑士", "Jockey:"}}};
constexpr std::array<MobOption, 4> creeperOptions = {{
    {"[爬行者]爆炸半径", "ExplosionRadius:"},
    {"[爬行者]引爆时间", "FuseTicks:"},
    {"[爬行者]是否是闪电爬行者", "SuperCharged:"},
    {"[爬行者]是否防止被自己炸死", "PreventSuicide:"},
}};
constexpr std::array<MobOption, 1> endermanOptions = {
    {{"[末影人]设置为末影人", "PreventTeleport:"}}};
constexpr std::array<MobOption, 7> horseOptions = {{
    {"[马]盔甲种类", "HorseArmor:"},
    {"[马]是否携带箱子", "HorseCarryingChest:"},
    {"[马]马颜色", "HorseColor:"},
    {"[马]是否带鞍", "HorseSaddled:"},
    {"[马]点", "HorseStyle:"},
    {"[马]是否被驯服", "HorseTamed:"},
    {"[马]种类", "HorseType:"},
}};
constexpr std::array<MobOption, 1> ocelotOptions = {{{"[豹猫]种类", "Ocelot:"}}};
constexpr std::array<MobOption, 1> pigOptions = {{{"[猪]是否带鞍", "Saddled:"}}};
constexpr std::array<MobOption, 3> primedTntOptions = {{
    {"[TNT]爆炸等待时间", "FuseTicks:"},
    {"[TNT]爆炸强度", "ExplosionYield:"},
    {"[TNT]是否产生火焰", "Incendiary:"},
}};
constexpr std::array<MobOption, 2> rabbitOptions = {{
    {"[兔子]种类", "RabbitType:"},
    {"[兔子]不明属性", "Baby:"},
}};
constexpr std::array<MobOption, 1> silverfishOptions = {
    {{"[蠹虫]防止感染方块", "PreventBlockInfection:"}}};
constexpr std::array<MobOption, 1> snowmanOptions = {
    {{"[雪人]是否允许雪人脚下造雪", "PreventSnowFormation:"}}};
constexpr std::array<MobOption, 1> villagerOptions = {{{"[村民]职业", "VillagerType:"}}};
constexpr std::array<MobOption, 1> zombieOptions = {
    {{"[僵尸]几率加成伤害", "ReinforcementsChance:"}}};
constexpr std::array<MobOption, 1> zombieVillagerOptions = {{{"[僵尸村民]职业", "Profession:"}}};

constexpr std::array<EntityOptions, 14> entityOptionTable = {{
    {"盔甲架", "11个", armorStandOptions},
    {"鸡", "1个", chickenOptions},
    {"爬行者", "4个", creeperOptions},
    {"末影人", "1个", endermanOptions},
    {"马", "7个", horseOptions},
    {"豹猫", "1个", ocelotOptions},
    {"猪", "1个", pigOptions},
    {"点燃的TNT", "3个", primedTntOptions},
    {"兔子", "2个", rabbitOptions},
    {"蠹虫", "1个", silverfishOptions},
    {"雪人", "1个", snowmanOptions},
    {"村民", "1个", villagerOptions},
    {"僵尸", "1个", zombieOptions},
    {"僵尸村民", "1个", zombieVillagerOptions},
}};

} // namespace

const std::span<const EntityOptions> entityOptions = entityOptionTable;

std::string_view optionKeyFor(std::string_view key, core::TargetServer target) {
    // The current documentation's names for keys the tables learnt under older names.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> renamed = {{
        {"VillagerType:", "Profession:"},
        {"HorseSaddled:", "Saddled:"},
        {"HorseTamed:", "Tamed:"},
        {"HorseCarryingChest:", "CarryingChest:"},
    }};
    if (target == core::TargetServer::Mm5)
        for (const auto &[old, current] : renamed)
            if (key == old)
                return current;
    return key;
}

EntityOptions entityOptionsFor(std::string_view entityCaption) {
    const auto found =
        std::ranges::find(entityOptionTable, entityCaption, &EntityOptions::entityCaption);
    if (found != entityOptionTable.end())
        return *found;
    return {{}, "0个", {}};
}

RowOutcome addMobOption(std::string_view entityCaption, int rowIndex, std::string_view value) {
    if (value.empty())
        return RowOutcome::warn(emptyOptionValueWarning);
    if (rowIndex < 0)
        return RowOutcome::nothing();
    std::string_view key;
    const auto row = static_cast<std::size_t>(rowIndex);
    if (row < generalOptions.size()) {
        key = generalOptions[row].key;
    } else {
        const std::span<const MobOption> extra = entityOptionsFor(entityCaption).rows;
        if (row - generalOptions.size() >= extra.size())
            return RowOutcome::nothing();
        key = extra[row - generalOptions.size()].key;
    }
    std::string line(key);
    line += ' ';
    line += value;
    return RowOutcome::add(std::move(line));
}

} // namespace mob
