// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/ai_keys.h"

#include <span>
#include <string>

#include "core/table_row.h"

namespace mob {

// Rows 25 and 26 carry placeholder coordinates for the user to replace in the file.
const std::array<AiKey, 30> aiGoalKeys = {{
    {"清除生物AI", " clear"},
    {"使生物懂得破门", " breakdoors"},
    {"使生物偶尔吃草", " eatgrass"},
    {"史生物懂得漂浮着水面,不被淹死", " float"},
    {"望向附近玩家", " lookatplayers"},
    {"使生物懂得开门并关上", " opendoors"},
    {"closedoors", " closedoors"},
    {"随处观看", " randomlookaround"},
    {"使生物躲避箭", " avoidarrows"},
    {"使生物躲避爬行者", " avoidcreepers"},
    {"使生物躲避骷髅", " avoidskeletons"},
    {"使生物躲避僵尸", " avoidzombies"},
    {"早上躲在影子下", " fleesun"},
    {"使生物靠近并攻击", " meleeattack"},
    {"使生物靠近目标", " movetowardstarget"},
    {"随处走动", " randomstroll"},
    {"限制生物走到高亮度的地方", " restrictsun"},
    {"躲避玩家", " fleeplayers"},
    {"躲避铁傀儡", " fleegolems"},
    {"躲避村民", " fleevillagers"},
    {"使蜘蛛攻击目标", " spiderattack"},
    {"使生物跳向目标", " leapattarget"},
    {"moveindoors", " moveindoors"},
    {"movethroughvillage", " movethroughvillage"},
    {"movetowardsrestriction", " movetowardsrestriction"},
    {"巡逻", " patrol x1,y1,z1;x2,y2,z2;x3,y3,z3"},
    {"走向目标", " gotolocation x,y,z"},
    {"走向主人", " gotoowner"},
    {"弹射攻击", " arrowattack"},
    {"骷髅的扫射", " bowattack"},
}};

// Rows 8 and 9 share a caption; "[派系名称]" stands for a faction name to fill in.
const std::array<AiKey, 12> aiTargetKeys = {{
    {"清除所有AI", " clear"},
    {"以攻击者为目标", " attacker"},
    {"以玩家为目标", " players"},
    {"以村民为目标", " villagers"},
    {"以傀儡为目标", " golems"},
    {"以自身以外派别的生物为目标", " OtherFaction"},
    {"以自身以外的派别的怪物为目标", " OtherFactionMonsters"},
    {"以自身以外的派别的村民为目标", " OtherFactionVillagers"},
    {"特指一个派别为目标", " SpecificFaction [派系名称]"},
    {"特指一个派别为目标", " SpecificFactionMonsters [派系名称]"},
    {"以攻击自己主人的对象为目标", " ownerattacker"},
    {"以攻击自己主人攻击的对象为目标", " ownertarget"},
}};

namespace {

RowOutcome addAiLine(std::span<const AiKey> keys, int tag, int rowIndex,
                     std::string_view priority) {
    if (priority.empty())
        return RowOutcome::warn(emptyAiPriorityWarning);
    const AiKey *key = core::tableRow(keys, rowIndex);
    if (!key)
        return RowOutcome::nothing();
    std::string line = "  - ";
    line += priority;
    line += key->fragment;
    return RowOutcome::add(std::move(line), tag);
}

} // namespace

RowOutcome addAiGoal(int rowIndex, std::string_view priority) {
    return addAiLine(aiGoalKeys, aiGoalTag, rowIndex, priority);
}

RowOutcome addAiTarget(int rowIndex, std::string_view priority) {
    return addAiLine(aiTargetKeys, aiTargetTag, rowIndex, priority);
}

} // namespace mob
