// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/list_entry.h"

namespace mob {

// A snapshot of the controls of MainWindow that make up the mob config; list rows are in
// the order the list boxes show them, top row first.
struct MobSheet {
    std::string identifier;
    int entityType = 0; // selected row of 怪物类型框, -1 when none
    std::string displayName;
    std::string health;
    std::string damage;
    std::vector<core::ListEntry> dropRows;
    std::string mainHand;
    std::string offHand;
    std::string helmet;
    std::string chestplate;
    std::string leggings;
    std::string boots;
    std::vector<core::ListEntry> optionRows;
    std::vector<core::ListEntry> killMessageRows;
    std::vector<core::ListEntry> aiRows; // tag 0 goal, tag 1 target
    std::vector<core::ListEntry> skillRows;

    friend bool operator==(const MobSheet &, const MobSheet &) = default;
};

} // namespace mob
