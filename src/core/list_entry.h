// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace core {

// One row of a list box: the text it shows and the integer tag the adding handler chose.
struct ListEntry {
    std::string text;
    int tag = 0;

    friend bool operator==(const ListEntry &, const ListEntry &) = default;
};

} // namespace core
