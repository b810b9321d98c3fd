// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/item_reader.h"

#include <algorithm>
#include <array>

#include "core/number.h"
#include "item/attribute_types.h"
#include "item/banner_patterns.h"
#include "item/enchantment_types.h"
#include "item/potion_effects.h"

namespace item {
namespace {

using core::ConfigNode;

// The keys the sheet has fields for, with the kind it reads; any other key is kept as written.
constexpr std::array<std::pair<std::string_view, ConfigNode::Kind>, 9> sheetKinds = {{
    {"Id", ConfigNode::Kind::Scalar},
    {"Data", ConfigNode::Kind::Scalar},
    {"Display", ConfigNode::Kind::Scalar},
    {"Lore", ConfigNode::Kind::List},
    {"Attributes", ConfigNode::Kind::Mapping},
    {"Enchantments", ConfigNode::Kind::List},
    {"PotionEffects", ConfigNode::Kind::List},
    {"BannerLayers", ConfigNode::Kind::List},
    {"Options", ConfigNode::Kind::Mapping},
}};

// The slot of an attribute section key; old files misspell Legs.
int slotOf(std::string_view key) {
    if (core::equalIgnoringCase(key, "Leags"))
        return 5;
    for (std::size_t i = 0; i < attributeSlots.size(); ++i)
        if (core::equalIgnoringCase(attributeSlots[i].key, key))
            return static_cast<int>(i);
    return -1;
}

// The generator writes the rows of a slot from the bottom of the list up, slot by slot.
void readAttributeSlot(const ConfigNode &section, std::vector<core::ListEntry> &rows) {
    const int slot = slotOf(section.key);
    for (const ConfigNode &attribute : section.children) {
        if (attribute.kind != ConfigNode::Kind::Scalar)
            continue;
        std::string key = attribute.key;
        for (const AttributeType &type : attributeTypes) {
            const std::string_view known = type.linePrefix.substr(4, type.linePrefix.size() - 6);
            if (core::equalIgnoringCase(known, key))
                key = known;
        }
        rows.insert(rows.begin(), {"    " + key + ": " + attribute.value, slot});
    }
}

bool isAttributeSlot(const ConfigNode &node) {
    return slotOf(node.key) >= 0 && node.kind == ConfigNode::Kind::Mapping;
}

std::vector<std::string> itemsOf(const ConfigNode &entry, std::string_view key) {
    const ConfigNode *child = core::findChild(entry, key);
    return child && child->kind == ConfigNode::Kind::List ? child->items
                                                          : std::vector<std::string>();
}

std::string scalarOf(const ConfigNode &entry, std::string_view key) {
    const ConfigNode *child = core::findChild(entry, key);
    return child && child->kind == ConfigNode::Kind::Scalar ? child->value : std::string();
}

std::optional<core::ListEntry> enchantmentRowOf(std::string_view line) {
    const std::size_t cut = line.find_last_of(": ");
    if (cut == std::string_view::npos)
        return std::nullopt;
    std::string key(line.substr(0, cut));
    for (const EnchantmentType &type : enchantmentTypes)
        if (core::equalIgnoringCase(type.key, key))
            key = type.key;
    return core::ListEntry{key, enchantmentLevel(line.substr(cut + 1))};
}

} // namespace

std::variant<ItemReading, core::ConfigError> readItemEntry(std::string_view entryText,
                                                           core::TargetServer target) {
    auto read = core::readConfigDocument(entryText);
    if (auto *error = std::get_if<core::ConfigError>(&read))
        return *error;
    const core::ConfigDocument &document = std::get<core::ConfigDocument>(read);
    ItemReading reading;
    if (document.entries.empty())
        return reading;
    const ConfigNode &entry = document.entries.front();
    for (const auto &[key, kind] : sheetKinds)
        if (auto error = core::expectKind(entryText, entry, key, kind))
            return *error;
    ItemSheet &sheet = reading.sheet;
    sheet.identifier = entry.key;
    sheet.material = scalarOf(entry, "Id");
    sheet.dataValue = scalarOf(entry, "Data");
    sheet.displayName = scalarOf(entry, "Display");
    const std::vector<std::string> lore = itemsOf(entry, "Lore");
    for (std::size_t i = 0; i < lore.size(); ++i)
        sheet.description += (i > 0 ? "\r\n" : "") + lore[i];

    // Sections in slot order, as the generator writes them; each reads its rows bottom up.
    std::vector<const ConfigNode *> sections;
    if (const ConfigNode *attributes = core::findChild(entry, "Attributes"))
        for (const ConfigNode &section : attributes->children)
            if (isAttributeSlot(section))
                sections.push_back(&section);
    for (const ConfigNode &child : entry.children)
        if (isAttributeSlot(child))
            sections.push_back(&child);
    std::ranges::stable_sort(sections, {}, [](const ConfigNode *s) { return slotOf(s->key); });
    std::vector<core::ListEntry> attributeRows;
    for (auto section = sections.rbegin(); section != sections.rend(); ++section) {
        std::vector<core::ListEntry> rows;
        readAttributeSlot(**section, rows);
        attributeRows.insert(attributeRows.end(), rows.begin(), rows.end());
    }
    sheet.attributeRows = std::move(attributeRows);

    const std::vector<std::string> enchantments = itemsOf(entry, "Enchantments");
    for (auto line = enchantments.rbegin(); line != enchantments.rend(); ++line)
        if (const std::optional<core::ListEntry> row = enchantmentRowOf(*line))
            sheet.enchantmentRows.push_back(*row);
    for (const std::string &line : itemsOf(entry, "PotionEffects"))
        if (const std::optional<core::ListEntry> row = potionEffectRowFromLine(line))
            sheet.potionEffectRows.push_back(*row);
    for (const std::string &line : itemsOf(entry, "BannerLayers"))
        if (const std::optional<core::ListEntry> row = bannerLayerRowFromLine(line, target))
            sheet.bannerLayerRows.push_back(*row);

    const auto readsKey = [](const ConfigNode &child) {
        return isAttributeSlot(child) || std::ranges::any_of(sheetKinds, [&](const auto &known) {
                   return core::equalIgnoringCase(known.first, child.key);
               });
    };
    const auto readsOption = [](const ConfigNode &option) {
        return core::equalIgnoringCase(option.key, "Color") &&
               option.kind == ConfigNode::Kind::Scalar && parseRgbColour(option.value);
    };
    reading.kept = core::keptText(entryText, entry, readsKey, readsOption);
    if (const ConfigNode *options = core::findChild(entry, "Options"))
        for (const ConfigNode &option : options->children)
            if (readsOption(option))
                sheet.potionColour = parseRgbColour(option.value);
    return reading;
}

} // namespace item
