// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/named_text.h"
#include "core/target_server.h"
#include "core/value_writer.h"
#include "mob/mob_sheet.h"

namespace mob {

// The outcome of one generation. entityTypeKey is updated even when a base field is
// missing; then warning holds the message to show and text is empty.
struct MobGeneration {
    std::string entityTypeKey;
    std::string text;
    std::string warning;

    bool ready() const { return warning.empty(); }
};

// The key of the selected entity row, or the previous key when no row is selected.
std::string resolveEntityTypeKey(int selectedIndex, std::string_view previousKey);

// Empty, or the Equipment header and one entry per filled field, in slot order 3 0 4 5 1 2:
// "- BOW:0" for MythicMobs 4, "- BOW HAND" for MythicMobs 5.
std::string buildEquipmentSection(const MobSheet &sheet, core::TargetServer target,
                                  core::ValueWriter &writer);

// The mob file for the target server. Every value reads back on the server as typed (numbers
// as the number typed); a value for which no writing can do that makes it a warning instead.
MobGeneration generateMobConfig(const MobSheet &sheet, std::string_view previousEntityTypeKey,
                                core::TargetServer target);

// Every user text of the sheet with the name the user knows its place by.
std::vector<core::NamedText> mobSheetTexts(const MobSheet &sheet);

} // namespace mob
