// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_config.h"

#include <algorithm>
#include <array>

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
void appendListItem(std::string &out, core::ValueWriter &writer, core::Place place,
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
        write(rows[i], core::Place::row(list, i));
}

void writeDrops(std::string &out, const MobSheet &sheet, core::ValueWriter &writer) {
    forRowsBottomUp(sheet.dropRows, "掉落数据列表",
                    [&](const core::ListEntry &row, core::Place place) {
                        appendListItem(out, writer, place, row.text);
                    });
}

// "Key: value", the key as the target reads it and the value written as what it holds.
void writeOptions(std::string &out, const MobSheet &sheet, core::TargetServer target,
                  core::ValueWriter &writer) {
    forRowsBottomUp(sheet.optionRows, "属性数据列表",
                    [&](const core::ListEntry &row, core::Place place) {
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
}

void writeKillMessageSection(std::string &out, const MobSheet &sheet, core::ValueWriter &writer) {
    if (sheet.killMessageRows.empty())
        return;
    out += "  KillMessages:\r\n";
    forRowsBottomUp(sheet.killMessageRows, "击杀信息列表",
                    [&](const core::ListEntry &row, core::Place place) {
                        out += listMarker;
                        writer.quoted(out, place, row.text);
                        out += "\r\n";
                    });
}

bool hasAiRowTagged(const MobSheet &sheet, int tag) {
    return std::ranges::any_of(sheet.aiRows,
                               [tag](const core::ListEntry &row) { return row.tag == tag; });
}

// Whether it wrote anything. The goals go straight into the output; the targets wait for
// them, as one walk over the rows keeps the refusal of the bottom-most row.
bool writeAiSection(std::string &out, const MobSheet &sheet, core::ValueWriter &writer) {
    const bool anyGoal = hasAiRowTagged(sheet, 0);
    if (anyGoal)
        out += "  AIGoalSelectors:\r\n";
    std::string targets;
    forRowsBottomUp(sheet.aiRows, "AI数据列表", [&](const core::ListEntry &row, core::Place place) {
        if (row.tag == 0 || row.tag == 1)
            appendListItem(row.tag == 0 ? out : targets, writer, place, row.text);
    });
    if (anyGoal && !targets.empty())
        out += "\r\n";
    if (!targets.empty()) {
        out += "  AITargetSelectors:\r\n";
        out += targets;
    }
    return anyGoal || !targets.empty();
}

// Unlike the other lists, skills are written from the top row down: the plugin runs the
// skills of one trigger in the order of the file, and the dialog appends at the bottom.
void writeSkillSection(std::string &out, const MobSheet &sheet, core::ValueWriter &writer) {
    if (sheet.skillRows.empty())
        return;
    out += "  Skills:\r\n";
    for (std::size_t i = 0; i < sheet.skillRows.size(); ++i) {
        out += listMarker;
        writer.text(out, core::Place::row("技能数据列表", i), sheet.skillRows[i].text);
        out += "\r\n";
    }
}

// Enough for the usual rows, so that a long list is written without moving the text.
std::size_t expectedSize(const MobSheet &sheet) {
    std::size_t size = 512;
    for (const auto *rows : {&sheet.dropRows, &sheet.optionRows, &sheet.killMessageRows,
                             &sheet.aiRows, &sheet.skillRows})
        for (const core::ListEntry &row : *rows)
            size += row.text.size() + 16;
    return size;
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
        appendListItem(entries, writer, slot.caption, entry);
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
    out.reserve(expectedSize(sheet));
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
    writeDrops(out, sheet, writer);
    out += buildEquipmentSection(sheet, target, writer);
    out += "  Options:\r\n";
    writeOptions(out, sheet, target, writer);
    out += "\r\n";
    writeKillMessageSection(out, sheet, writer);
    out += "\r\n";
    // The kill messages already end in an empty line; after the AI section the skills need
    // their own.
    if (writeAiSection(out, sheet, writer) && !sheet.skillRows.empty())
        out += "\r\n";
    writeSkillSection(out, sheet, writer);
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
