// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace mob {

struct DropType {
    std::string_view caption;
};

// The rows of 掉落类型框, in their order.
inline constexpr std::array<DropType, 4> dropTypes = {{
    {"经验"},
    {"金币"},
    {"原版物品"},
    {"MM物品"},
}};

} // namespace mob
