// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/item_config.h"

#include <algorithm>
#include <array>

#include "core/number.h"
#include "core/table_row.h"
#include "core/text.h"
#include "item/attribute_types.h"
#include "item/banner_patterns.h"
#include "item/potion_effects.h"

namespace item {

namespace {

void writeLoreBlock(std::string &out, std::string_view description, core::ValueWriter &writer) {
    // The lines as core::splitCrLfLines gives them, without building each one.
    if (description.empty())
        return;
    out += "  Lore:\r\n";
    std::size_t start = 0;
    for (std::size_t i = 0; start < description.size(); ++i) {
        const std::size_t end = std::min(description.find(core::crlf, start), description.size());
        out += "  - ";
        // Quoted where it would not read back as typed; so is an empty line, which would
        // otherwise read back as null and drop out of the lore.
        writer.text(out, core::Place::row("物品描述", i), description.substr(start, end - start));
        out += "\r\n";
        start = end + core::crlf.size();
    }
}

void writeAttributeBlock(std::string &out, const std::vector<core::ListEntry> &rows,
                         core::ValueWriter &writer) {
    std::array<std::string, attributeSlots.size()> sections;
    for (std::size_t i = rows.size(); i-- > 0;) {
        const core::ListEntry &row = rows[i];
        if (!core::tableRow(attributeSlots, row.tag))
            continue;
        // The row text carries four blanks for the list; under the slot header it needs six.
        std::string &section = sections[static_cast<std::size_t>(row.tag)];
        section += "  ";
        const std::string_view text = row.text;
        const std::size_t colon = text.find(": ");
        if (colon == std::string_view::npos) {
            section += text;
        } else {
            // The key and its blank as composed; an empty value stays empty.
            section += text.substr(0, colon + 2);
            if (colon + 2 < text.size())
                writer.number(section, core::Place::row("物品属性列表", i), text.substr(colon + 2));
        }
        section += "\r\n";
    }
    bool headerWritten = false;
    for (std::size_t slot = 0; slot < sections.size(); ++slot) {
        if (sections[slot].empty())
            continue;
        if (!headerWritten)
            out += "  Attributes:\r\n";
        headerWritten = true;
        out += "    ";
        out += attributeSlots[slot].key;
        out += ":\r\n";
        out += sections[slot];
    }
}

void writeEnchantmentBlock(std::string &out, const std::vector<core::ListEntry> &rows,
                           core::TargetServer target, core::ValueWriter &writer) {
    if (rows.empty())
        return;
    // MythicMobs 4 reads "KEY:level"; the current documentation writes "KEY level".
    const std::string_view separator = target == core::TargetServer::Mm4 ? ":" : " ";
    out += "  Enchantments:\r\n";
    std::string entry; // one buffer for every row
    for (std::size_t i = rows.size(); i-- > 0;) {
        entry = rows[i].text;
        entry += separator;
        entry += core::formatInteger(rows[i].tag);
        out += "  - ";
        writer.text(out, core::Place::row("物品附魔列表", i), entry);
        out += "\r\n";
    }
}

// Enough for the usual rows, so that a long list is written without moving the text.
std::size_t expectedSize(const ItemSheet &sheet) {
    std::size_t size = 512 + sheet.description.size() * 2;
    for (const auto *rows : {&sheet.attributeRows, &sheet.enchantmentRows, &sheet.potionEffectRows,
                             &sheet.bannerLayerRows})
        for (const core::ListEntry &row : *rows)
            size += row.text.size() + 16;
    return size;
}

} // namespace

std::string buildLoreBlock(std::string_view description, core::ValueWriter &writer) {
    std::string out;
    writeLoreBlock(out, description, writer);
    return out;
}

std::string buildAttributeBlock(const std::vector<core::ListEntry> &rows,
                                core::ValueWriter &writer) {
    std::string out;
    writeAttributeBlock(out, rows, writer);
    return out;
}

std::string buildEnchantmentBlock(const std::vector<core::ListEntry> &rows,
                                  core::TargetServer target, core::ValueWriter &writer) {
    std::string out;
    writeEnchantmentBlock(out, rows, target, writer);
    return out;
}

ItemGeneration generateItemConfig(const ItemSheet &sheet, core::TargetServer target) {
    ItemGeneration result;
    if (sheet.identifier.empty()) {
        result.warning = emptyIdentifierWarning;
        return result;
    }
    core::ValueWriter writer;
    std::string out;
    out.reserve(expectedSize(sheet));
    writer.identifier(out, "物品编号", sheet.identifier);
    // Empty fields stay without a value, so the item keeps the plugin's default.
    out += ":\r\n  Id: ";
    if (!sheet.material.empty())
        writer.text(out, "物品种类", sheet.material);
    out += "\r\n  Data: ";
    if (!sheet.dataValue.empty())
        writer.number(out, "物品耐久", sheet.dataValue);
    out += "\r\n  Display: ";
    if (!sheet.displayName.empty())
        writer.text(out, "物品名称", sheet.displayName);
    out += "\r\n";
    writeLoreBlock(out, sheet.description, writer);
    out += "\r\n";
    writeAttributeBlock(out, sheet.attributeRows, writer);
    out += "\r\n";
    writeEnchantmentBlock(out, sheet.enchantmentRows, target, writer);
    // Each of these is empty without rows, so a sheet that fills none of them is written as
    // before they existed.
    out += buildPotionEffectBlock(sheet.potionEffectRows, target);
    out += buildBannerLayerBlock(sheet.bannerLayerRows, target);
    out += buildColourOptionsBlock(sheet.potionColour);
    if (writer.refused()) {
        result.warning = writer.warning();
        return result;
    }
    result.text = std::move(out);
    return result;
}

std::string ignoredSectionsQuestion(const ItemSheet &sheet) {
    std::string ignored;
    if (!sheet.potionEffectRows.empty() && !takesPotionEffects(sheet.material))
        ignored += "物品种类“" + sheet.material + "”不是药水或药箭，游戏会忽略药水数据。\n";
    if (!sheet.bannerLayerRows.empty() && !takesBannerLayers(sheet.material))
        ignored += "物品种类“" + sheet.material + "”不是旗帜或盾牌，游戏会忽略旗帜数据。\n";
    return ignored.empty() ? std::string() : ignored + "仍然生成配置吗？";
}

std::vector<core::NamedText> itemSheetTexts(const ItemSheet &sheet) {
    std::vector<core::NamedText> texts = {
        {"物品编号", sheet.identifier},
        {"物品种类", sheet.material},
        {"物品耐久", sheet.dataValue},
        {"物品名称", sheet.displayName},
    };
    // The lines are the description's own bytes between the CR LF pairs.
    const std::string_view description = sheet.description;
    std::size_t start = 0;
    int number = 1;
    for (const std::string &line : core::splitCrLfLines(description)) {
        texts.push_back({"物品描述第" + std::to_string(number++) + "行",
                         description.substr(start, line.size())});
        start += line.size() + core::crlf.size();
    }
    core::addRowTexts(texts, "物品属性列表", sheet.attributeRows);
    core::addRowTexts(texts, "物品附魔列表", sheet.enchantmentRows);
    return texts;
}

} // namespace item
