// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace core {

// The row of a vocabulary table that a drop-down list's selection names, or nullptr when
// the index is no row (-1 for no selection, or past the end).
template <class Row> const Row *tableRow(std::span<const Row> table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

// The same for fixed-size tables, so callers need not spell the span.
template <class Row, std::size_t N>
const Row *tableRow(const std::array<Row, N> &table, int index) {
    return tableRow(std::span<const Row>(table), index);
}

} // namespace core
