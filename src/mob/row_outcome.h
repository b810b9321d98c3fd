// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/list_entry.h"

namespace mob {

// What an add button makes of the fields it read: one row to add, one warning to show
// instead, or neither (a refusal without a message, such as a missing selection).
struct RowOutcome {
    std::optional<core::ListEntry> row;
    std::string warning;

    static RowOutcome add(std::string text, int tag = 0) {
        return {core::ListEntry{std::move(text), tag}, {}};
    }
    static RowOutcome warn(std::string_view message) {
        return {std::nullopt, std::string(message)};
    }
    static RowOutcome nothing() { return {}; }

    friend bool operator==(const RowOutcome &, const RowOutcome &) = default;
};

} // namespace mob
