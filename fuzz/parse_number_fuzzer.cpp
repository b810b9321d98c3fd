// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/number.h"
#include "support/number_reference.h"

// Any bytes: parseNumber must read them as the independent reference does, never give NaN,
// and its value must truncate to an int without undefined behaviour.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const testsupport::NumberReference reference;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = core::parseNumber(text);
    const double expected = reference.read(text);
    if (std::isnan(value) || value != expected || std::signbit(value) != std::signbit(expected)) {
        std::fprintf(stderr, "parseNumber read %.17g, the reference %.17g\n", value, expected);
        std::abort();
    }
    (void)core::truncateToInt32(value);
    return 0;
}
