// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "mob/ai_keys.h"
#include "mob/entity_types.h"
#include "mob/mob_options.h"

namespace mob {
namespace {

using core::ConfigNode;

struct EquipmentSlot {
    std::string MobSheet::*field;
    std::string_view number; // MythicMobs 4: "BOW:0"
    std::string_view name;   // MythicMobs 5: "BOW HAND"
};

constexpr std::array<EquipmentSlot, 6> equipmentSlots = {{
    {&MobSheet::mainHand, "0", "HAND"},
    {&MobSheet::boots, "1", "FEET"},
    {&MobSheet::leggings, "2", "LEGS"},
    {&MobSheet::chestplate, "3", "CHEST"},
    {&MobSheet::helmet, "4", "HEAD"},
    {&MobSheet::offHand, "5", "OFFHAND"},
}};

// The keys the sheet has fields for, with the kind it reads; any other key is kept as written.
constexpr std::array<std::pair<std::string_view, ConfigNode::Kind>, 11> sheetKinds = {{
    {"Type", ConfigNode::Kind::Scalar},
    {"Display", ConfigNode::Kind::Scalar},
    {"Health", ConfigNode::Kind::Scalar},
    {"Damage", ConfigNode::Kind::Scalar},
    {"Drops", ConfigNode::Kind::List},
    {"Equipment", ConfigNode::Kind::List},
    {"Options", ConfigNode::Kind::Mapping},
    {"KillMessages", ConfigNode::Kind::List},
    {"AIGoalSelectors", ConfigNode::Kind::List},
    {"AITargetSelectors", ConfigNode::Kind::List},
    {"Skills", ConfigNode::Kind::List},
}};

// MythicMobs 5's names for keys the option tables know under older names.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> renamedOptions = {{
    {"VillagerType:", "Profession:"},
    {"HorseSaddled:", "Saddled:"},
    {"HorseTamed:", "Tamed:"},
    {"HorseCarryingChest:", "CarryingChest:"},
}};

bool keyNames(std::string_view tableKey, std::string_view fileKey) {
    return tableKey.size() == fileKey.size() + 1 &&
           core::equalIgnoringCase(tableKey.substr(0, fileKey.size()), fileKey);
}

// The table key ("VillagerType:") an option key of the file stands for, or nothing for a key
// no option table knows. A current name that is also an older key of another entity
// (Profession, Saddled) is the renamed key only for the entity that has it.
std::optional<std::string_view> optionKeyOf(std::string_view fileKey,
                                            std::string_view entityCaption) {
    const std::span<const MobOption> own = entityOptionsFor(entityCaption).rows;
    for (const auto &[old, current] : renamedOptions)
        if (keyNames(current, fileKey))
            for (const MobOption &option : own)
                if (option.key == old)
                    return old;
    for (const MobOption &option : generalOptions)
        if (keyNames(option.key, fileKey))
            return option.key;
    for (const MobOption &option : own)
        if (keyNames(option.key, fileKey))
            return option.key;
    for (const EntityOptions &entity : entityOptions)
        for (const MobOption &option : entity.rows)
            if (keyNames(option.key, fileKey))
                return option.key;
    for (const auto &[old, current] : renamedOptions)
        if (keyNames(current, fileKey))
            return old;
    return std::nullopt;
}

std::string scalarOf(const ConfigNode &entry, std::string_view key) {
    const ConfigNode *child = core::findChild(entry, key);
    return child && child->kind == ConfigNode::Kind::Scalar ? child->value : std::string();
}

std::vector<std::string> itemsOf(const ConfigNode &entry, std::string_view key) {
    const ConfigNode *child = core::findChild(entry, key);
    return child && child->kind == ConfigNode::Kind::List ? child->items
                                                          : std::vector<std::string>();
}

// The generator writes these lists from the bottom row up.
void addBottomUp(std::vector<core::ListEntry> &rows, const std::vector<std::string> &items,
                 std::string_view marker, int tag) {
    for (std::size_t i = items.size(); i-- > 0;)
        rows.push_back({std::string(marker) + items[i], tag});
}

void readEquipment(const ConfigNode &entry, MobSheet &sheet) {
    for (const std::string &line : itemsOf(entry, "Equipment")) {
        const std::size_t cut = line.find_last_of(": ");
        if (cut == std::string::npos)
            continue;
        const std::string_view slot = std::string_view(line).substr(cut + 1);
        for (const EquipmentSlot &known : equipmentSlots)
            if ((line[cut] == ':' && slot == known.number) ||
                (line[cut] == ' ' && core::equalIgnoringCase(slot, known.name)))
                sheet.*known.field = line.substr(0, cut);
    }
}

int entityRowOf(std::string_view key) {
    for (std::size_t i = 0; i < entityTypes.size(); ++i)
        if (core::equalIgnoringCase(entityTypes[i].key, key))
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::variant<MobReading, core::ConfigError> readMobEntry(std::string_view entryText) {
    auto read = core::readConfigDocument(entryText);
    if (auto *error = std::get_if<core::ConfigError>(&read))
        return *error;
    const core::ConfigDocument &document = std::get<core::ConfigDocument>(read);
    MobReading reading;
    if (document.entries.empty())
        return reading;
    const ConfigNode &entry = document.entries.front();
    for (const auto &[key, kind] : sheetKinds)
        if (auto error = core::expectKind(entryText, entry, key, kind))
            return *error;
    MobSheet &sheet = reading.sheet;
    sheet.identifier = entry.key;
    reading.entityTypeKey = scalarOf(entry, "Type");
    sheet.entityType = entityRowOf(reading.entityTypeKey);
    if (sheet.entityType >= 0)
        reading.entityTypeKey = entityTypes[static_cast<std::size_t>(sheet.entityType)].key;
    sheet.displayName = scalarOf(entry, "Display");
    sheet.health = scalarOf(entry, "Health");
    sheet.damage = scalarOf(entry, "Damage");
    addBottomUp(sheet.dropRows, itemsOf(entry, "Drops"), "  - ", 0);
    readEquipment(entry, sheet);
    addBottomUp(sheet.killMessageRows, itemsOf(entry, "KillMessages"), "", 0);
    addBottomUp(sheet.aiRows, itemsOf(entry, "AIGoalSelectors"), "  - ", aiGoalTag);
    addBottomUp(sheet.aiRows, itemsOf(entry, "AITargetSelectors"), "  - ", aiTargetTag);
    for (const std::string &skill : itemsOf(entry, "Skills"))
        sheet.skillRows.push_back({skill, 0});

    const std::string_view entityCaption =
        sheet.entityType >= 0 ? entityTypes[static_cast<std::size_t>(sheet.entityType)].caption
                              : std::string_view();
    const auto readsKey = [](const ConfigNode &child) {
        return std::ranges::any_of(sheetKinds, [&](const auto &known) {
            return core::equalIgnoringCase(known.first, child.key);
        });
    };
    const auto readsOption = [&](const ConfigNode &option) {
        return option.kind == ConfigNode::Kind::Scalar && optionKeyOf(option.key, entityCaption);
    };
    reading.kept = core::keptText(entryText, entry, readsKey, readsOption);
    if (const ConfigNode *options = core::findChild(entry, "Options"))
        for (const ConfigNode &option : options->children)
            if (readsOption(option))
                sheet.optionRows.insert(
                    sheet.optionRows.begin(),
                    {std::string(*optionKeyOf(option.key, entityCaption)) + " " + option.value, 0});
    return reading;
}

} // namespace mob
