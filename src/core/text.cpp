// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

namespace core {

std::vector<std::string> splitCrLfLines(std::string_view text) {
    // In UTF-8 no byte of a multi-byte character is CR or LF, so a plain search for the
    // pair never cuts a character in two.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(crlf, start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + crlf.size();
    }
    return lines;
}

} // namespace core
