// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/list_entry.h"

namespace item {

struct EnchantmentType {
    std::string_view caption;
    std::string_view key;          // the enchantment name the plugin knows
    std::string_view highestLevel; // shown to the user only; it limits nothing
};

// The rows of the enchantment drop-down list, in their order.
extern const std::array<EnchantmentType, 30> enchantmentTypes;

// The level typed, truncated toward zero; a text that is no number gives 0, and a level
// beyond the signed 32-bit range stops at its nearest bound.
std::int32_t enchantmentLevel(std::string_view levelText);

// The row for the selected enchantment and the level typed; nothing without a selection.
std::optional<core::ListEntry> enchantmentRow(int index, std::string_view levelText);

} // namespace item
