// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace testsupport {

// Every line ends with CR LF: no CR without LF after it, no LF without CR before it, and the
// text ends with a complete line.
inline bool onlyCrLfLineEnds(const std::string &text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return text.size() >= 2 && text.ends_with("\r\n");
}

} // namespace testsupport
