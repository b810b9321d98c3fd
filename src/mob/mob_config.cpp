// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_config.h"

#include <array>
#include <ranges>

#include "core/table_row.h"
#include "core/value_writer.h"
#include "mob/entity_types.h"
#include "mob/mob_options.h"

namespace mob {
namespace {

struct EquipmentField {
    std::string MobSheet::*field;
    std::string_view caption;
    std::string_view oldSlot; // "BOW:0": the slot number MythicMobs 4 reads
    std::string_view slot;    // "BOW HAND": the slot name MythicMobs 5 reads
};

// In the order they are written.
constexpr std::array<EquipmentField, 6> equipmentFields = {{
    {&MobSheet::chestplate, "胸甲", ":3", " CHEST"},
    {&MobSheet::mainHand, "主手", ":0", " HAND"},
    {&MobSheet::helmet, "头盔", ":4", " HEAD"},
    {&MobSheet::offHand, "副手", ":5", " OFFHAND"},
    {&MobSheet::boots, "靴子", ":1", " FEET"},
    {&MobSheet::leggings, "护腿", ":2", " LEGS"},
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

constexpr std::string_view listMarker = "  - ";

// A row that is a whole list item ("  - exp 10 1"): its words are one value after the marker.
void appendListItem(std::string &out, core::ValueWriter &writer, const std::string &place,
                    std::string_view row) {
    out += listMarker;
    if (row.starts_with(listMarker))
        row.remove_prefix(listMarker.size());
    writer.text(out, place, row);
    out += "\r\n";
}

// Lists are written from their bottom row to their top row; rows are named by their place
// in the list as shown, top row first.
template <class Write>
void forRowsBottomUp(const std::vector<core::ListEntry> &rows, std::string_view list, Write write) {
    for (std::size_t i = rows.size(); i-- > 0;)
        write(rows[i], core::rowPlace(list, i));
}

std::string buildDrops(const MobSheet &sheet, core::ValueWriter &writer) {
    std::string out;
    forRowsBottomUp(sheet.dropRows, "掉落数据列表",
                    [&](const core::ListEntry &row, const std::string &place) {
                        appendListItem(out, writer, place, row.text);
                    });
    return out;
}

// "Key: value", the key as the target reads it and the value written as what it holds.
std::string buildOptions(const MobSheet &sheet, core::TargetServer target,
                         core::ValueWriter &writer) {
    std::string out;
    forRowsBottomUp(sheet.optionRows, "属性数据列表",
                    [&](const core::ListEntry &row, const std::string &place) {
                        out += "    ";
                        const std::string_view text = row.text;
                        const std::size_t colon = text.find(": ");
                        if (colon == std::string_view::npos) {
                            writer.text(out, place, text);
                        } else {
                            out += optionKeyFor(text.substr(0, colon + 1), target);
                            out += ' ';
                            writer.optionValue(out, place, text.substr(colon + 2));
                        }
                        out += "\r\n";
                    });
    return out;
}

std::string buildKillMessageSection(const MobSheet &sheet, core::ValueWriter &writer) {
    if (sheet.killMessageRows.empty())
        return {};
    std::string out = "  KillMessages:\r\n";
    forRowsBottomUp(sheet.killMessageRows, "击杀信息列表",
                    [&](const core::ListEntry &row, const std::string &place) {
                        out += listMarker;
                        writer.quoted(out, place, row.text);
                        out += "\r\n";
                    });
    return out;
}

std::string buildAiSection(const MobSheet &sheet, core::ValueWriter &writer) {
    std::string goals;
    std::string targets;
    forRowsBottomUp(sheet.aiRows, "AI数据列表",
                    [&](const core::ListEntry &row, const std::string &place) {
                        if (row.tag == 0 || row.tag == 1)
                            appendListItem(row.tag == 0 ? goals : targets, writer, place, row.text);
                    });
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
std::string buildSkillSection(const MobSheet &sheet, core::ValueWriter &writer) {
    if (sheet.skillRows.empty())
        return {};
    std::string out = "  Skills:\r\n";
    for (std::size_t i = 0; i < sheet.skillRows.size(); ++i) {
        out += listMarker;
        writer.text(out, core::rowPlace("技能数据列表", i), sheet.skillRows[i].text);
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

std::string buildEquipmentSection(const MobSheet &sheet, core::TargetServer target,
                                  core::ValueWriter &writer) {
    std::string entries;
    for (const EquipmentField &slot : equipmentFields) {
        const std::string &text = sheet.*slot.field;
        if (text.empty())
            continue;
        const std::string entry =
            text + std::string(target == core::TargetServer::Mm4 ? slot.oldSlot : slot.slot);
        appendListItem(entries, writer, std::string(slot.caption), entry);
    }
    if (entries.empty())
        return entries;
    return entries.insert(0, "  Equipment:\r\n");
}

MobGeneration generateMobConfig(const MobSheet &sheet, std::string_view previousEntityTypeKey,
                                core::TargetServer target) {
    MobGeneration result;
    result.entityTypeKey = resolveEntityTypeKey(sheet.entityType, previousEntityTypeKey);
    for (const BaseCheck &check : baseChecks) {
        if ((sheet.*check.field).empty()) {
            result.warning = check.warning;
            return result;
        }
    }

    core::ValueWriter writer;
    std::string out;
    writer.identifier(out, "怪物编号", sheet.identifier);
    out += ":\r\n  Type: ";
    out += result.entityTypeKey;
    out += "\r\n  Display: ";
    writer.quoted(out, "怪物名称", sheet.displayName);
    out += "\r\n  Health: ";
    writer.number(out, "怪物血量", sheet.health);
    out += "\r\n  Damage: ";
    writer.number(out, "怪物伤害", sheet.damage);
    out += "\r\n  Drops:\r\n";
    out += buildDrops(sheet, writer);
    out += buildEquipmentSection(sheet, target, writer);
    out += "  Options:\r\n";
    out += buildOptions(sheet, target, writer);
    out += "\r\n";
    out += buildKillMessageSection(sheet, writer);
    out += "\r\n";
    const std::string aiSection = buildAiSection(sheet, writer);
    out += aiSection;
    const std::string skillSection = buildSkillSection(sheet, writer);
    // The kill messages already end in an empty line; after the AI section the skills need
    // their own.
    if (!aiSection.empty() && !skillSection.empty())
        out += "\r\n";
    out += skillSection;
    if (writer.refused()) {
        result.warning = writer.warning();
        return result;
    }
    result.text = std::move(out);
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
