// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace core {

// A user text with the place the user knows it by ("怪物名称", "击杀信息列表第2行"), so a
// message about the text can point at where to fix it.
struct NamedText {
    std::string place;
    std::string_view text;
};

} // namespace core
