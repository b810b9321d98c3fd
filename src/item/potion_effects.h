// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_entry.h"
#include "core/target_server.h"
#include "mob/row_outcome.h"

namespace item {

struct PotionEffectType {
    std::string_view caption;   // the effect's name in the game's Simplified Chinese
    std::string_view legacyKey; // Bukkit's name before Minecraft 1.20.5
    std::string_view modernKey; // Bukkit's name since Minecraft 1.20.5
};

// The rows of the effect drop-down list, in the game's effect id order.
extern const std::array<PotionEffectType, 33> potionEffectTypes;

std::string_view potionEffectKey(const PotionEffectType &type, core::TargetServer target);

// Whether the plugin applies PotionEffects to the item: potions, splash and lingering potions
// and tipped arrows. Other items take the section but ignore it.
bool takesPotionEffects(std::string_view itemId);

inline constexpr int ticksPerSecond = 20;

inline constexpr std::string_view potionSecondsEmptyWarning = "持续时间不能为空！";
inline constexpr std::string_view potionSecondsNotNumberWarning = "持续时间必须是数字！";
inline constexpr std::string_view potionSecondsNegativeWarning = "持续时间不能为负数！";
inline constexpr std::string_view potionSecondsTooShortWarning = "持续时间至少为0.05秒（1刻）！";
inline constexpr std::string_view potionSecondsTooLongWarning = "持续时间不能超过107374182秒！";
inline constexpr std::string_view potionLevelEmptyWarning = "效果等级不能为空！";
inline constexpr std::string_view potionLevelNotWholeWarning = "效果等级必须是整数！";
inline constexpr std::string_view potionLevelRangeWarning = "效果等级请在1~255之间输入！";

// The row for the selected effect, the seconds and the level as the game shows it (1 is
// level I). Seconds become whole ticks, half a tick rounding up, worked out on the typed
// digits: 1.26 s is 25.2 ticks and gives 25, 1.275 s gives 26, 0.024 s gives 0 and is refused.
// No effect selected (or an index past the rows): nothing, without a message.
//
// The row text is the line a current server reads, "<modern key> <ticks> <level - 1>", and
// the tag stays 0. A list row thereby holds everything the file needs for either target
// without depending on the drop-down order, and rows added by hand and rows read back from
// a file are the same text; potionEffectListText gives what the list shows instead.
mob::RowOutcome potionEffectRow(int typeRow, std::string_view secondsText,
                                std::string_view levelText);

// The whole ticks the typed seconds give, rounded as potionEffectRow rounds them; nothing for
// seconds it refuses.
std::optional<std::int32_t> potionEffectTicks(std::string_view secondsText);

// The row for a "TYPE ticks level" line of a file's PotionEffects, with the type by either
// name and in any case; nothing for an unknown type, a tick count outside 1..2147483647 or a
// level outside 0..254.
std::optional<core::ListEntry> potionEffectRowFromLine(std::string_view line);

// "瞬间治疗 1.25秒 等级2" for the row "INSTANT_HEALTH 25 1"; a row that is no effect line
// shows its text.
std::string potionEffectListText(const core::ListEntry &row);

// Empty without effect rows, else "  PotionEffects:" and one "  - TYPE ticks level" entry per
// row in list order, with the type names the target reads. Rows that are no effect line are
// left out.
std::string buildPotionEffectBlock(const std::vector<core::ListEntry> &rows,
                                   core::TargetServer target);

} // namespace item
