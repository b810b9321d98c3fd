// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/typed_decimal.h"

#include <algorithm>

namespace item {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The ASCII form of every character a number field may hold; nothing when another character
// turns up. U+FF0B '＋', U+FF0D '－', U+FF0E '．' and U+FF10..U+FF19 share the lead bytes
// EF BC, and U+3000 is the ideographic space.
std::optional<std::string> foldNumberCharacters(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out += text[i];
            ++i;
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80)
            out += ' ';
        else if (b0 == 0xEF && b1 == 0xBC && (b2 == 0x8B || b2 == 0x8D || b2 == 0x8E))
            out += static_cast<char>(b2 - 0x8B + '+');
        else if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99)
            out += static_cast<char>(b2 - 0x90 + '0');
        else
            return std::nullopt;
        i += 3;
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<TypedDecimal> readTypedDecimal(std::string_view text) {
    const std::optional<std::string> folded = foldNumberCharacters(text);
    if (!folded)
        return std::nullopt;
    std::string_view rest = *folded;
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back()))
        rest.remove_suffix(1);

    TypedDecimal number;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        number.negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    std::size_t i = 0;
    while (i < rest.size() && isDigit(rest[i]))
        ++i;
    const std::string_view whole = rest.substr(0, i);
    std::string_view fraction;
    if (i < rest.size() && rest[i] == '.') {
        const std::size_t start = ++i;
        while (i < rest.size() && isDigit(rest[i]))
            ++i;
        fraction = rest.substr(start, i - start);
    }
    if (i != rest.size() || (whole.empty() && fraction.empty()))
        return std::nullopt;
    number.wholeDigits = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    number.fractionDigits = fraction;
    return number;
}

} // namespace item
