// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <variant>

#include "core/config_document.h"
#include "core/target_server.h"
#include "item/item_sheet.h"

namespace item {

// An item entry of a file as the sheet holds it, and what the sheet has no field for.
struct ItemReading {
    ItemSheet sheet;
    core::KeptText kept;
};

// Reads the text of one entry (its key line through its last line). Keys are matched in any
// case; attributes are read with and without their Attributes key; banner patterns by the
// names of the target the file is for.
std::variant<ItemReading, core::ConfigError> readItemEntry(std::string_view entryText,
                                                           core::TargetServer target);

} // namespace item
