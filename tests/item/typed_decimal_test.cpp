// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/typed_decimal.h"

#include <gtest/gtest.h>

namespace {

using item::TypedDecimal;

TEST(TypedDecimal, WholeTextNumbersKeptAsDigits) {
    const std::vector<std::pair<std::string, TypedDecimal>> cases = {
        {"0", {false, "", ""}},
        {"12", {false, "12", ""}},
        {"007", {false, "7", ""}},
        {"1.50", {false, "1", "50"}},
        {".5", {false, "", "5"}},
        {"3.", {false, "3", ""}},
        {"-2.5", {true, "2", "5"}},
        {"+4", {false, "4", ""}},
        {"-0", {true, "", ""}},
        {" 3\t", {false, "3", ""}},
        {"\xE3\x80\x80"
         "3"
         "\xE3\x80\x80",
         {false, "3", ""}}, // ideographic spaces
        {"３．５", {false, "3", "5"}},
        {"－１", {true, "1", ""}},
        {"＋９", {false, "9", ""}},
        {"1２.3", {false, "12", "3"}},
        {"123456789012345678901234567890", {false, "123456789012345678901234567890", ""}},
    };
    for (const auto &[text, number] : cases)
        EXPECT_EQ(item::readTypedDecimal(text), number) << text;
}

TEST(TypedDecimal, AnythingElseIsNoNumber) {
    const std::vector<std::string> cases = {
        "",
        " ",
        ".",
        "-",
        "+.",
        "--1",
        "+-1",
        "1e3",
        "1E3",
        "1,5",
        "1 2",
        "1.2.3",
        "inf",
        "nan",
        "0x10",
        "3秒",
        "秒3",
        "١",
        "１，５",
        "- 1",
        "\xEF\xBC",     // a character cut short
        "1\xEF\xBC",    // the same after a digit
        "\xEF\xBC\x8C", // the full-width comma shares the lead bytes of the digits
        "\xEF\xBD\x90", // U+FF50 'ｐ'
    };
    for (const std::string &text : cases)
        EXPECT_EQ(item::readTypedDecimal(text), std::nullopt) << text;
}

} // namespace
