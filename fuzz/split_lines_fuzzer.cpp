// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text.h"

namespace {

void fail(const char *what) {
    std::fprintf(stderr, "splitCrLfLines: %s\n", what);
    std::abort();
}

} // namespace

// Any bytes: no line holds a CR LF, and the lines joined by CR LF give the text back, with
// the final CR LF the split drops.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto lines = core::splitCrLfLines(text);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(core::crlf) != std::string::npos)
            fail("a line holds CR LF");
        if (i > 0)
            joined += core::crlf;
        joined += lines[i];
    }
    if (text.ends_with(core::crlf))
        joined += core::crlf;
    if (joined != text)
        fail("the lines do not give the text back");
    if (text.empty() != lines.empty())
        fail("lines of the empty text, or none of a text");
    return 0;
}
