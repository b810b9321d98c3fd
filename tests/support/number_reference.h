// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <locale.h>
#endif

namespace testsupport {

// A second, independent reading of the leading decimal number of a user's text, to hold
// core::parseNumber against. The characters are decoded strictly one code point at a time,
// and the digits are converted by the C library's strtod in the "C" locale, whatever the
// process locale is, so neither the folding nor the conversion shares code with the program.
class NumberReference {
  public:
    NumberReference() {
#ifdef _WIN32
        c_ = _create_locale(LC_ALL, "C");
#else
        c_ = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
#endif
    }
    ~NumberReference() {
#ifdef _WIN32
        _free_locale(c_);
#else
        freelocale(c_);
#endif
    }
    NumberReference(const NumberReference &) = delete;
    NumberReference &operator=(const NumberReference &) = delete;

    double read(std::string_view text) const {
        const std::string ascii = foldedPrefix(text);
        // strtod also reads hexadecimal, "inf" and "nan"; only a decimal digit, or a point
        // followed by one, begins a decimal number.
        std::size_t i = ascii.find_first_not_of(" \t\n\v\f\r");
        if (i == std::string::npos)
            return 0.0;
        const bool negative = ascii[i] == '-';
        if (ascii[i] == '+' || ascii[i] == '-')
            ++i;
        const auto digitAt = [&ascii](std::size_t at) {
            return at < ascii.size() && ascii[at] >= '0' && ascii[at] <= '9';
        };
        if (!digitAt(i) && !(i < ascii.size() && ascii[i] == '.' && digitAt(i + 1)))
            return 0.0;
        if (ascii[i] == '0' && i + 1 < ascii.size() && (ascii[i + 1] == 'x' || ascii[i + 1] == 'X'))
            return negative ? -0.0 : 0.0; // the decimal number is the 0 before the x
#ifdef _WIN32
        return _strtod_l(ascii.c_str(), nullptr, c_);
#else
        return strtod_l(ascii.c_str(), nullptr, c_);
#endif
    }

  private:
    // The text up to its first character that is neither ASCII nor a full-width form,
    // with full-width forms U+FF01..U+FF5E as their ASCII twins and U+3000 as a space.
    // Invalid UTF-8 ends the prefix too.
    static std::string foldedPrefix(std::string_view text) {
        std::string out;
        std::size_t i = 0;
        while (i < text.size()) {
            const auto byte = [&text](std::size_t at) {
                return static_cast<std::uint8_t>(text[at]);
            };
            std::uint32_t cp = byte(i);
            std::size_t length = 1;
            if (cp >= 0x80) {
                if ((cp & 0xF0) != 0xE0 || i + 2 >= text.size() || (byte(i + 1) & 0xC0) != 0x80 ||
                    (byte(i + 2) & 0xC0) != 0x80)
                    break; // not a well-formed three-byte character: no full-width form either
                cp = ((cp & 0x0F) << 12) | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
                length = 3;
                if (cp == 0x3000)
                    cp = ' ';
                else if (cp >= 0xFF01 && cp <= 0xFF5E)
                    cp -= 0xFEE0;
                else
                    break;
            }
            out += static_cast<char>(cp);
            i += length;
        }
        return out;
    }

#ifdef _WIN32
    _locale_t c_;
#else
    locale_t c_;
#endif
};

} // namespace testsupport
