// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::string_view crlf = "\r\n";

// Cuts a text into the lines between CR LF pairs. A trailing CR LF ends the last line
// instead of starting an empty one; two pairs in a row enclose an empty line; the empty
// text has no lines.
std::vector<std::string> splitCrLfLines(std::string_view text);

} // namespace core
