// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number.h"

#include <clocale>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    const char *text;
    double expected;
};

class ParseNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(core::parseNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseNumber, testing::Values(
    NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"0.5", 0.5}, NumberCase{"0.5abc", 0.5},
    NumberCase{"  -1.5", -1.5}, NumberCase{"\t+2", 2}, NumberCase{"1e5", 1e5}, NumberCase{"1e", 1},
    NumberCase{"1e+", 1}, NumberCase{"2E-3x", 2e-3}, NumberCase{"1.", 1}, NumberCase{".5", 0.5},
    NumberCase{"-.5", -0.5}, NumberCase{".", 0}, NumberCase{"-", 0}, NumberCase{"+.e1", 0},
    NumberCase{"0x10", 0}, NumberCase{"inf", 0}, NumberCase{"nan", 0}, NumberCase{"-inf", 0},
    NumberCase{"１２.５", 12.5}, NumberCase{"　３", 3}, NumberCase{"－０．５", -0.5},
    NumberCase{"１e２", 100}, NumberCase{"3 4", 3}, NumberCase{"1,5", 1},
    NumberCase{"1.00000005", 1.00000005}, NumberCase{"000123", 123}, NumberCase{"1e-400", 0},
    NumberCase{"-0", 0}));

TEST(ParseNumberLimits, HugeValuesBecomeInfinityAndTinyOnesZero) {
    EXPECT_EQ(core::parseNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(core::parseNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(core::parseNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(core::parseNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(core::parseNumber(std::string(300, '1')), std::stod(std::string(300, '1')));
}

TEST(ParseNumberLocale, DecimalCommaLocaleChangesNothing) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool switched = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
    EXPECT_DOUBLE_EQ(core::parseNumber("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(core::parseNumber("0,5"), 0.0);
    std::setlocale(LC_ALL, previous.c_str());
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma installed";
}

TEST(TruncateToInt32, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(core::truncateToInt32(2.9), 2);
    EXPECT_EQ(core::truncateToInt32(-1.5), -1);
    EXPECT_EQ(core::truncateToInt32(0), 0);
    EXPECT_EQ(core::truncateToInt32(2147483647.9), 2147483647);
    EXPECT_EQ(core::truncateToInt32(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(core::truncateToInt32(-1e20), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(core::truncateToInt32(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(core::truncateToInt32(std::nan("")), 0);
}

TEST(FormatInteger, WritesDecimalWithMinus) {
    EXPECT_EQ(core::formatInteger(0), "0");
    EXPECT_EQ(core::formatInteger(-12), "-12");
    EXPECT_EQ(core::formatInteger(2147483647), "2147483647");
}

} // namespace
