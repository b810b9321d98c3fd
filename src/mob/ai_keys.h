// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "mob/row_outcome.h"

namespace mob {

// One row of an AI drop-down list; the fragment follows the priority in the line and
// begins with a space.
struct AiKey {
    std::string_view caption;
    std::string_view fragment;
};

// The rows of 组合框1 (goals) and 组合框2 (targets) of AiDialog, in their order.
extern const std::array<AiKey, 30> aiGoalKeys;
extern const std::array<AiKey, 12> aiTargetKeys;

// Tags of the AI lines in 列表框5; the mob config sorts the lines by them.
inline constexpr int aiGoalTag = 0;
inline constexpr int aiTargetTag = 1;

inline constexpr std::string_view emptyAiPriorityWarning = "请输入优先级";

// "  - " + the priority as typed + the fragment of the row. An empty priority warns before
// the selection is looked at; no row selected gives nothing.
RowOutcome addAiGoal(int rowIndex, std::string_view priority);
RowOutcome addAiTarget(int rowIndex, std::string_view priority);

} // namespace mob
