// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/list_entry.h"
#include "core/named_text.h"
#include "core/target_server.h"
#include "item/item_sheet.h"

namespace item {

// Empty for an empty description, else "  Lore:" and one entry per line between CR LF.
std::string buildLoreBlock(std::string_view description);

// Empty without rows, else "  Attributes:" with one section per slot that has rows, in slot
// order; within a section the rows come from the bottom of the list up.
std::string buildAttributeBlock(const std::vector<core::ListEntry> &rows);

// Empty without rows, else "  Enchantments:" and "KEY:level" entries from the bottom up.
std::string buildEnchantmentBlock(const std::vector<core::ListEntry> &rows);

// The item config text of the sheet, with the names the target reads. Every sheet gives a
// text; nothing is checked.
std::string generateItemConfig(const ItemSheet &sheet, core::TargetServer target);

// Empty when the Id takes every section the sheet fills, else the question whether to save
// all the same, naming the potion effects an Id other than a potion ignores and the banner
// layers an Id other than a banner or shield ignores.
std::string ignoredSectionsQuestion(const ItemSheet &sheet);

// Every user text of the sheet with the name the user knows its place by; the views point
// into the sheet.
std::vector<core::NamedText> itemSheetTexts(const ItemSheet &sheet);

} // namespace item
