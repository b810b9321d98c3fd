// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace item {

// ASCII letters upper-cased, every other byte kept, so UTF-8 text passes through unchanged.
std::string upperAscii(std::string_view text);

// The words of a config line between runs of blanks and tabs.
std::vector<std::string_view> splitWords(std::string_view line);

// An item Id the way the server matches it: lower case, without surrounding blanks and
// without the "minecraft:" namespace.
std::string materialName(std::string_view itemId);

} // namespace item
