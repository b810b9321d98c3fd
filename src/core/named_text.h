// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/list_entry.h"

namespace core {

// A user text with the place the user knows it by ("怪物名称", "击杀信息列表第2行"), so a
// message about the text can point at where to fix it.
struct NamedText {
    std::string place;
    std::string_view text;
};

// The place of a list's row as the user counts it: "<list>第1行" for the top row.
inline std::string rowPlace(std::string_view list, std::size_t index) {
    return std::string(list) + "第" + std::to_string(index + 1) + "行";
}

// Names each row of a list by its place: "<list>第1行", "<list>第2行", ...
inline void addRowTexts(std::vector<NamedText> &texts, std::string_view list,
                        const std::vector<ListEntry> &rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        texts.push_back({rowPlace(list, i), rows[i].text});
}

} // namespace core
