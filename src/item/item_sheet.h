// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/list_entry.h"
#include "item/rgb_colour.h"

namespace item {

// A snapshot of the controls of ItemWindow that make up the item config; list rows are in
// the order the list boxes show them, top row first.
struct ItemSheet {
    std::string identifier;
    std::string material;
    std::string dataValue;
    std::string displayName;
    std::string description;                       // lines separated by CR LF
    std::vector<core::ListEntry> attributeRows;    // text as composed by attributeRow, tag = slot
    std::vector<core::ListEntry> enchantmentRows;  // text = key, tag = level
    std::vector<core::ListEntry> potionEffectRows; // text as composed by potionEffectRow
    std::vector<core::ListEntry> bannerLayerRows;  // text as composed by bannerLayerRow
    std::optional<RgbColour> potionColour;

    friend bool operator==(const ItemSheet &, const ItemSheet &) = default;
};

} // namespace item
