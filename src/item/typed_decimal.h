// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace item {

// A decimal number that makes up a whole field, kept as its digits so that the caller decides
// bounds and rounding without binary floating point in between.
struct TypedDecimal {
    bool negative = false;
    std::string wholeDigits;    // without leading zeros: empty for a whole part of zero
    std::string fractionDigits; // as typed, trailing zeros included

    friend bool operator==(const TypedDecimal &, const TypedDecimal &) = default;
};

// Reads a field that must hold nothing but a number: an optional sign, digits and at most one
// decimal point with a digit on at least one side, surrounded by blanks at most. Full-width
// digits, point, signs and the ideographic space count as their ASCII forms. Exponents,
// thousands separators, "inf" and "nan" are no numbers; neither is anything after the number.
std::optional<TypedDecimal> readTypedDecimal(std::string_view text);

} // namespace item
