// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/decimal_comma_locale.h"
#include "support/number_reference.h"
#include "support/random_text.h"

namespace {

struct NumberCase {
    const char *text;
    double expected;
};

class ParseNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(core::parseNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumber,
    testing::Values(NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"0.5", 0.5},
                    NumberCase{"0.5abc", 0.5}, NumberCase{"  -1.5", -1.5}, NumberCase{"\t+2", 2},
                    NumberCase{"1e5", 1e5}, NumberCase{"1e", 1}, NumberCase{"1e+", 1},
                    NumberCase{"2E-3x", 2e-3}, NumberCase{"1.", 1}, NumberCase{".5", 0.5},
                    NumberCase{"-.5", -0.5}, NumberCase{".", 0}, NumberCase{"-", 0},
                    NumberCase{"+.e1", 0}, NumberCase{"0x10", 0}, NumberCase{"inf", 0},
                    NumberCase{"nan", 0}, NumberCase{"-inf", 0}, NumberCase{"１２.５", 12.5},
                    NumberCase{"　３", 3}, NumberCase{"－０．５", -0.5}, NumberCase{"１e２", 100},
                    NumberCase{"3 4", 3}, NumberCase{"1,5", 1},
                    NumberCase{"1.00000005", 1.00000005}, NumberCase{"000123", 123},
                    NumberCase{"1e-400", 0}, NumberCase{"-0", 0}, NumberCase{"\xEF\xBC\xD6", 0},
                    NumberCase{"\xEF\xBC", 0}, NumberCase{"1\xEF\xBC\x11", 1}));

TEST(ParseNumberLimits, HugeValuesBecomeInfinityAndTinyOnesZero) {
    EXPECT_EQ(core::parseNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(core::parseNumber("-" + std::string(400, '9')),
              -std::numeric_limits<double>::infinity());
    EXPECT_EQ(core::parseNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(core::parseNumber("1e99999999999999999999999"),
              std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(core::parseNumber(std::string(300, '1')), std::stod(std::string(300, '1')));
    // The first significant digit may lie far into the fraction.
    EXPECT_EQ(core::parseNumber("0." + std::string(400, '0') + "1e10"), 0.0);
    EXPECT_EQ(core::parseNumber("-." + std::string(20, '0') + "1e330"),
              -std::numeric_limits<double>::infinity());
}

TEST(ParseNumberLocale, DecimalCommaLocaleChangesNothing) {
    testsupport::DecimalCommaLocale locale;
    SKIP_WITHOUT_DECIMAL_COMMA_LOCALE(locale);
    EXPECT_DOUBLE_EQ(core::parseNumber("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(core::parseNumber("0,5"), 0.0);
    EXPECT_DOUBLE_EQ(core::parseNumber("１２.５"), 12.5);
}

// Texts built from the pieces users and their keyboards produce around numbers.
std::string randomNumberText(testsupport::Random &random) {
    static const testsupport::Alphabet asciiDigits = testsupport::alphabets::digits;
    static const testsupport::Alphabet fullWidthDigits = {"０", "１", "２", "３", "４",
                                                          "５", "６", "７", "８", "９"};
    static const testsupport::Alphabet pieces = {
        " ",     "\t",       "\n",   "\r",    "\v",    "\f",      "　", "+",  "-",    "＋",
        "－",    ".",        "．",   "e",     "E",     "ｅ",      "Ｅ", "e-", "e+",   "e400",
        "e-400", "e308",     "e309", "e-320", "e-324", "e-330",   "x",  "0x", "0X",   "inf",
        "nan",   "infinity", "INF",  "NaN",   "p",     ",",       "，", "木", "😀",    "a",
        "1e5",   "0x10",     "1.",   ".5",    "-.5",   "１２.５", "0",  "00", "\x01", "~"};
    std::string text;
    for (int n = random.number(0, 8); n > 0; --n) {
        switch (random.number(0, 9)) {
        case 0:
        case 1:
            text += random.text(asciiDigits, 1, 12);
            break;
        case 2:
            text += random.text(fullWidthDigits, 1, 6);
            break;
        case 3:
            // Very long runs, and runs of zeros long enough to leave the range of a double.
            if (random.chance(10))
                text += random.text(asciiDigits, 300, 1500);
            else if (random.chance(50))
                text += std::string(static_cast<std::size_t>(random.number(300, 420)), '0');
            else
                text += random.text(asciiDigits, 1, 3);
            break;
        default:
            text += random.pick(pieces);
        }
    }
    return text;
}

std::string visible(const std::string &text) {
    std::string out;
    for (const char c : text.substr(0, 200)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return text.size() > 200 ? out + "... (" + std::to_string(text.size()) + " bytes)" : out;
}

TEST(ParseNumberProperty, RandomTextsReadAsTheReferenceReadsThem) {
    testsupport::DecimalCommaLocale locale;
    SKIP_WITHOUT_DECIMAL_COMMA_LOCALE(locale);
    const testsupport::NumberReference reference;
    testsupport::Random random(20260611);
    for (int run = 0; run < 20000; ++run) {
        const std::string text = randomNumberText(random);
        const double value = core::parseNumber(text);
        const double expected = reference.read(text);
        // The same double, down to the sign of a zero.
        ASSERT_TRUE(value == expected && std::signbit(value) == std::signbit(expected))
            << "run " << std::to_string(run) << ": \"" << visible(text) << "\" read as " << value
            << ", expected " << expected;
    }
}

TEST(ParseNumberProperty, TheReferenceReadsTheKnownCases) {
    // The reference itself must read the plain cases right, or it proves nothing.
    const testsupport::NumberReference reference;
    for (const auto &[text, expected] :
         std::vector<std::pair<std::string, double>>{{"1e5", 1e5},
                                                     {"0x10", 0},
                                                     {"inf", 0},
                                                     {"nan", 0},
                                                     {"1.", 1},
                                                     {".5", 0.5},
                                                     {"-.5", -0.5},
                                                     {"１２.５", 12.5},
                                                     {"　－３ｅ２", -300},
                                                     {"1,5", 1},
                                                     {"x1", 0}})
        EXPECT_EQ(reference.read(text), expected) << text;
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
