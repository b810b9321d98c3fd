// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_config.h"

#include <array>
#include <ranges>

#include "core/table_row.h"
#include "core/yaml_scalar.h"
#include "mob/entity_types.h"

namespace mob {
namespace {

struct EquipmentField {
    std::string MobSheet::*field;
    std::string_view caption;
    std::string_view suffix;
};

// In the order they are written; the number is the plugin's equipment slot.
constexpr std::array<EquipmentField, 6> equipmentFields = {{
    {&MobSheet::chestplate, "胸甲", ":3\r\n"},
    {&MobSheet::mainHand, "主手", ":0\r\n"},
    {&MobSheet::helmet, "头盔", ":4\r\n"},
    {&MobSheet::offHand, "副手", ":5\r\n"},
    {&MobSheet::boots, "靴子", ":1\r\n"},
    {&MobSheet::leggings, "护腿", ":2\r\n"},
}};

struct BaseCheck {
    std::string MobSheet::*field;
    std::string_view warning;
};

constexpr std::array<BaseCheck, 4> baseChecks = {{
    {&MobSheet::identifier, "请输入怪物编号!"},
    {&MobSheet::displayName, "请输入怪物名称!"},
    {&MobSheet::health, "请输入怪物血量!"},
    {&MobSheet::damage, "请输入怪物伤害!"},
}};

// Lists are written from their bottom row to their top row.
void appendRowsBottomUp(std::string &out, const std::vector<core::ListEntry> &rows,
                        std::string_view prefix, std::string_view suffix) {
    for (const core::ListEntry &row : rows | std::views::reverse) {
        out += prefix;
        out += row.text;
        out += suffix;
    }
}

std::string buildKillMessageSection(const MobSheet &sheet) {
    if (sheet.killMessageRows.empty())
        return {};
    std::string out = "  KillMessages:\r\n";
    for (const core::ListEntry &row : sheet.killMessageRows | std::views::reverse) {
        out += "  - '";
        out += core::doubleSingleQuotes(row.text);
        out += "'\r\n";
    }
    return out;
}

std::string buildAiSection(const MobSheet &sheet) {
    std::string goals;
    std::string targets;
    for (const core::ListEntry &row : sheet.aiRows | std::views::reverse) {
        if (row.tag != 0 && row.tag != 1)
            continue;
        std::string &lines = row.tag == 0 ? goals : targets;
        lines += row.text;
        lines += "\r\n";
    }
    std::string out;
    if (!goals.empty()) {
        out += "  AIGoalSelectors:\r\n";
        out += goals;
    }
    if (!goals.empty() && !targets.empty())
        out += "\r\n";
    if (!targets.empty()) {
        out += "  AITargetSelectors:\r\n";
        out += targets;
    }
    return out;
}

// Unlike the other lists, skills are written from the top row down: the plugin runs the
// skills of one trigger in the order of the file, and the dialog appends at the bottom.
std::string buildSkillSection(const MobSheet &sheet) {
    if (sheet.skillRows.empty())
        return {};
    std::string out = "  Skills:\r\n";
    for (const core::ListEntry &row : sheet.skillRows) {
        out += "  - ";
        out += core::yamlScalar(row.text);
        out += "\r\n";
    }
    return out;
}

} // namespace

std::string resolveEntityTypeKey(int selectedIndex, std::string_view previousKey) {
    if (const EntityType *type = core::tableRow(entityTypes, selectedIndex))
        return std::string(type->key);
    return std::string(previousKey);
}

std::string buildEquipmentSection(const MobSheet &sheet) {
    std::string entries;
    for (const EquipmentField &slot : equipmentFields) {
        const std::string &text = sheet.*slot.field;
        if (text.empty())
            continue;
        entries += "  - ";
        entries += text;
        entries += slot.suffix;
    }
    if (entries.empty())
        return entries;
    return entries.insert(0, "  Equipment:\r\n");
}

MobGeneration generateMobConfig(const MobSheet &sheet, std::string_view previousEntityTypeKey) {
    MobGeneration result;
    result.entityTypeKey = resolveEntityTypeKey(sheet.entityType, previousEntityTypeKey);
    for (const BaseCheck &check : baseChecks) {
        if ((sheet.*check.field).empty()) {
            result.warning = check.warning;
            return result;
        }
    }

    std::string &out = result.text;
    out += sheet.identifier;
    out += ":\r\n  Type: ";
    out += result.entityTypeKey;
    out += "\r\n  Display: '";
    out += core::doubleSingleQuotes(sheet.displayName);
    out += "'\r\n  Health: ";
    out += sheet.health;
    out += "\r\n  Damage: ";
    out += sheet.damage;
    out += "\r\n  Drops:\r\n";
    appendRowsBottomUp(out, sheet.dropRows, "", "\r\n");
    out += buildEquipmentSection(sheet);
    out += "  Options:\r\n";
    appendRowsBottomUp(out, sheet.optionRows, "    ", "\r\n");
    out += "\r\n";
    out += buildKillMessageSection(sheet);
    out += "\r\n";
    const std::string aiSection = buildAiSection(sheet);
    out += aiSection;
    const std::string skillSection = buildSkillSection(sheet);
    // The kill messages already end in an empty line; after the AI section the skills need
    // their own.
    if (!aiSection.empty() && !skillSection.empty())
        out += "\r\n";
    out += skillSection;
    return result;
}

std::vector<core::NamedText> mobSheetTexts(const MobSheet &sheet) {
    std::vector<core::NamedText> texts = {
        {"怪物编号", sheet.identifier},
        {"怪物名称", sheet.displayName},
        {"怪物血量", sheet.health},
        {"怪物伤害", sheet.damage},
    };
    for (const EquipmentField &slot : equipmentFields)
        texts.push_back({std::string(slot.caption), sheet.*slot.field});
    core::addRowTexts(texts, "掉落数据列表", sheet.dropRows);
    core::addRowTexts(texts, "属性数据列表", sheet.optionRows);
    core::addRowTexts(texts, "击杀信息列表", sheet.killMessageRows);
    core::addRowTexts(texts, "AI数据列表", sheet.aiRows);
    core::addRowTexts(texts, "技能数据列表", sheet.skillRows);
    return texts;
}

} // namespace mob
