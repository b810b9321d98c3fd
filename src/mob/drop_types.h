// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "mob/row_outcome.h"

namespace mob {

// Captions of the three drop fields after a drop type is chosen, and whether the third
// field is shown; a hidden field is not part of the drop.
struct DropLayout {
    std::array<std::string_view, 3> fieldCaptions;
    bool thirdFieldShown;
};

// The third caption has no colon, unlike the chance caption of the two-field layout.
inline constexpr DropLayout amountAndChanceLayout = {{"掉落数量:", "掉落几率:", ""}, false};
inline constexpr DropLayout itemAmountAndChanceLayout = {{"物品名称:", "掉落数量:", "掉落几率"},
                                                         true};

struct DropType {
    std::string_view caption;
    const DropLayout *layout;
    std::string_view linePrefix; // the line is this, then the used fields joined by spaces
    // The warning for each used field when it is empty, in the order they are checked; the
    // last used field is the chance.
    std::array<std::string_view, 3> emptyWarnings;
    std::size_t fieldCount;
};

// The rows of 掉落类型框, in their order.
// clang-format off
inline constexpr std::array<DropType, 4> dropTypes = {{
    {"经验", &amountAndChanceLayout, "  - exp ", {"经验数量不能为空！", "掉落几率不能为空！"}, 2},
    {"金币", &amountAndChanceLayout, "  - money ", {"金币数量不能为空！", "掉落几率不能为空！"}, 2},
    {"原版物品", &itemAmountAndChanceLayout, "  - ",
     {"物品ID不能为空！", "物品数量不能为空！", "掉落几率不能为空！"}, 3},
    {"MM物品", &itemAmountAndChanceLayout, "  - ",
     {"物品名称不能为空！", "物品数量不能为空！", "掉落几率不能为空！"}, 3},
}};
// clang-format on

inline constexpr std::string_view chanceRangeWarning = "几率范围请在0~1之间输入！";

// The layout for a row of 掉落类型框, or nullptr when the index is no row.
const DropLayout *dropLayout(int typeIndex);

// Whether the number a chance text begins with is above 1e-7 and exceeds 1 by at most 1e-7,
// both tested in double arithmetic. A text that does not begin with a number reads as 0.
bool chanceInRange(std::string_view text);

// The texts of 掉落数据编辑框1 to 3, UTF-8, as typed.
using DropFields = std::array<std::string, 3>;

// Checks the used fields of the drop type in order and builds its line from the texts as
// typed. No row is selected (or an index past the rows): nothing, without a message.
RowOutcome addDrop(int typeIndex, const DropFields &fields);

} // namespace mob
