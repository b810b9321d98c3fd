// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/config_document.h"
#include "mob/mob_sheet.h"

namespace mob {

// A mob entry of a file as the sheet holds it, and what the sheet has no field for.
struct MobReading {
    MobSheet sheet;
    // The Type as written, in the table's spelling when the table knows it: what the
    // generator writes while no row of the entity list is selected.
    std::string entityTypeKey;
    core::KeptText kept;
};

// Reads the text of one entry (its key line through its last line). Keys are matched in any
// case; list rows come in the order the windows show them.
std::variant<MobReading, core::ConfigError> readMobEntry(std::string_view entryText);

} // namespace mob
