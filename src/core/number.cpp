// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace core {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

// Full-width forms U+FF01..U+FF5E become ASCII 0x21..0x7E, the ideographic space a blank.
// Only the prefix that can still be part of a number matters, so folding stops at the
// first character that is neither ASCII nor one of those forms.
std::string foldFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out += static_cast<char>(b0);
            ++i;
            continue;
        }
        if (b0 == 0xE3 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            static_cast<unsigned char>(text[i + 2]) == 0x80) {
            out += ' ';
            i += 3;
            continue;
        }
        // A lead byte followed by anything but two continuation bytes is no character at all.
        if (b0 == 0xEF && i + 2 < text.size() && isContinuation(text[i + 1]) &&
            isContinuation(text[i + 2])) {
            const unsigned cp = ((b0 & 0x0Fu) << 12) |
                                ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                out += static_cast<char>(cp - 0xFEE0);
                i += 3;
                continue;
            }
        }
        break;
    }
    return out;
}

} // namespace

double parseNumber(std::string_view text) {
    const std::string folded = foldFullWidth(text);
    std::size_t i = 0;
    while (i < folded.size() && isBlank(folded[i]))
        ++i;

    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
        negative = folded[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t integerDigits = 0;
    std::size_t leadingZeros = 0;
    while (i < folded.size() && isDigit(folded[i])) {
        if (folded[i] == '0' && integerDigits == leadingZeros)
            ++leadingZeros;
        ++integerDigits;
        ++i;
    }
    std::size_t fractionDigits = 0;
    std::size_t fractionLeadingZeros = 0;
    if (i < folded.size() && folded[i] == '.') {
        std::size_t j = i + 1;
        while (j < folded.size() && isDigit(folded[j])) {
            if (folded[j] == '0' && j - i - 1 == fractionLeadingZeros)
                ++fractionLeadingZeros;
            ++j;
        }
        fractionDigits = j - i - 1;
        if (integerDigits + fractionDigits > 0)
            i = j;
    }
    if (integerDigits + fractionDigits == 0)
        return 0.0;
    long long exponent = 0;
    if (i < folded.size() && (folded[i] == 'e' || folded[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < folded.size() && (folded[j] == '+' || folded[j] == '-'))
            ++j;
        if (j < folded.size() && isDigit(folded[j])) {
            const bool negativeExponent = folded[j - 1] == '-';
            for (; j < folded.size() && isDigit(folded[j]); ++j)
                exponent = std::min(exponent * 10 + (folded[j] - '0'), 1'000'000'000LL);
            if (negativeExponent)
                exponent = -exponent;
            i = j;
        }
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(folded.data() + start, folded.data() + i, value,
                                           std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the decimal magnitude, the place of
        // the first significant digit, which in 0.000123 lies in the fraction.
        const long long magnitude =
            integerDigits > leadingZeros
                ? static_cast<long long>(integerDigits - leadingZeros) + exponent
                : exponent - static_cast<long long>(fractionLeadingZeros);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::int32_t truncateToInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (truncated >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(truncated);
}

std::string formatInteger(long long value) {
    return std::to_string(value);
}

} // namespace core
