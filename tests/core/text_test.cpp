// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(SplitCrLfLines, CutsAtEachPair) {
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"", {}},
        {"A", {"A"}},
        {"A\r\n", {"A"}},
        {"\r\n", {""}},
        {"A\r\n\r\nB", {"A", "", "B"}},
        {"第一行\r\n第二行", {"第一行", "第二行"}},
        {"A\nB\rC", {"A\nB\rC"}}, // a lone LF or CR is not a line break
        {"  ", {"  "}},
        {"A\r\n\r\n", {"A", ""}},
    };
    for (const auto &[text, lines] : cases)
        EXPECT_EQ(core::splitCrLfLines(text), lines) << text;
}

} // namespace
