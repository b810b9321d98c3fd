// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/list_entry.h"
#include "core/named_text.h"
#include "core/target_server.h"
#include "core/value_writer.h"
#include "item/item_sheet.h"

namespace item {

// Empty for an empty description, else "  Lore:" and one entry per line between CR LF.
std::string buildLoreBlock(std::string_view description, core::ValueWriter &writer);

// Empty without rows, else "  Attributes:" with one section per slot that has rows, in slot
// order; within a section the rows come from the bottom of the list up.
std::string buildAttributeBlock(const std::vector<core::ListEntry> &rows,
                                core::ValueWriter &writer);

// Empty without rows, else "  Enchantments:" and one entry per row from the bottom up:
// "KEY:level" for MythicMobs 4, "KEY level" for MythicMobs 5.
std::string buildEnchantmentBlock(const std::vector<core::ListEntry> &rows,
                                  core::TargetServer target, core::ValueWriter &writer);

inline constexpr std::string_view emptyIdentifierWarning = "请输入物品编号!";

// The outcome of one generation: the text, or the warning to show instead.
struct ItemGeneration {
    std::string text;
    std::string warning;

    bool ready() const { return warning.empty(); }
};

// The item file for the target server. An empty identifier, or a value that cannot be
// written so that the server reads it as typed, gives a warning instead of a text.
ItemGeneration generateItemConfig(const ItemSheet &sheet, core::TargetServer target);

// Empty when the Id takes every section the sheet fills, else the question whether to save
// all the same, naming the potion effects an Id other than a potion ignores and the banner
// layers an Id other than a banner or shield ignores.
std::string ignoredSectionsQuestion(const ItemSheet &sheet);

// Every user text of the sheet with the name the user knows its place by; the views point
// into the sheet.
std::vector<core::NamedText> itemSheetTexts(const ItemSheet &sheet);

} // namespace item
