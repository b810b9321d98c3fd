// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace mob {

struct EntityType {
    std::string_view caption;
    std::string_view key;
};

// The rows of 怪物类型框, in their order; the row index alone selects the key.
extern const std::array<EntityType, 53> entityTypes;

} // namespace mob
