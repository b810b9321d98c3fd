// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// Reads the leading decimal number of a UTF-8 text the way users type it: full-width
// characters count as their ASCII forms, leading blanks are skipped, anything after the
// number is ignored, and a text that does not begin with a number reads as 0.
// Independent of the process locale; "inf", "nan" and hexadecimal forms are not numbers, and
// bytes that are no UTF-8 character end the number.
double parseNumber(std::string_view text);

// Truncates toward zero; values beyond the signed 32-bit range saturate at its bounds.
std::int32_t truncateToInt32(double value);

std::string formatInteger(long long value);

} // namespace core
