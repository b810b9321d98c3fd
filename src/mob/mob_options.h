// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/target_server.h"
#include "mob/row_outcome.h"

namespace mob {

// One row of 组合框1 of MobOptionDialog; the key carries its colon.
struct MobOption {
    std::string_view caption;
    std::string_view key;
};

// The first rows of every option dialog, whatever the entity.
extern const std::array<MobOption, 30> generalOptions;

// The rows offered after the general ones for one entity, so their indexes start at
// generalOptions.size(), and the fixed count text shown for it.
struct EntityOptions {
    std::string_view entityCaption; // a caption of entityTypes
    std::string_view countText;
    std::span<const MobOption> rows;
};

extern const std::span<const EntityOptions> entityOptions;

// The entry whose caption equals the entity caption byte for byte; for any other caption,
// or none, the count text "0个" and no rows.
EntityOptions entityOptionsFor(std::string_view entityCaption);

// The option key ("VillagerType:") as the target server reads it: MythicMobs 5 renamed some.
std::string_view optionKeyFor(std::string_view key, core::TargetServer target);

inline constexpr std::string_view emptyOptionValueWarning = "请输入属性数值！";

// The option line for the row of 组合框1 (general row, or a row of the entity's entry) with
// the value as typed. An empty value warns first; no such row gives nothing.
RowOutcome addMobOption(std::string_view entityCaption, int rowIndex, std::string_view value);

} // namespace mob
