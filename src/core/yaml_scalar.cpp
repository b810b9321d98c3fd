// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml_scalar.h"

#include <array>

#include "core/yaml11.h"

namespace core {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Characters that open something other than a plain scalar when they come first.
constexpr std::array<bool, 256> startsIndicator = [] {
    std::array<bool, 256> table{};
    for (const char c : std::string_view("[]{},#&*!|>'\"%@`"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// The code point of the UTF-8 sequence at i and its length, or nothing for bytes that are
// no character. The three-byte forms of surrogates decode, so that they can be refused.
std::optional<std::pair<char32_t, std::size_t>> decodeAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return std::pair{char32_t(lead), std::size_t(1)};
    std::size_t length = 0;
    char32_t point = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + length > text.size())
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        point = (point << 6) | (byte(i + k) & 0x3F);
    }
    constexpr std::array<char32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF)
        return std::nullopt;
    return std::pair{point, length};
}

bool isUnwritable(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0xD800 && c <= 0xDFFF) || c == 0xFEFF || c == 0xFFFE || c == 0xFFFF;
}

// Full-width digits, signs, point and the letter e, as ASCII; nothing for anything else.
std::optional<std::string> foldNumberCharacters(std::string_view typed) {
    std::string ascii;
    for (std::size_t i = 0; i < typed.size();) {
        const auto decoded = decodeAt(typed, i);
        if (!decoded)
            return std::nullopt;
        char32_t c = decoded->first;
        if (c >= 0xFF01 && c <= 0xFF5E)
            c -= 0xFEE0;
        if (c >= 0x80)
            return std::nullopt;
        ascii += static_cast<char>(c);
        i += decoded->second;
    }
    return ascii;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [-+]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][-+]?[0-9]+)?, and not [-+]?0[0-9]+, which the
// reader takes for octal (010 is 8) or a text (09).
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const std::size_t integerStart = i;
    const std::size_t integerDigits = digits();
    bool point = false;
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        point = true;
        ++i;
        fractionDigits = digits();
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return false;
    bool exponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        exponent = true;
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        if (digits() == 0)
            return false;
    }
    if (i != text.size())
        return false;
    return point || exponent || integerDigits < 2 || text[integerStart] != '0';
}

// What readsBackAsPlainScalar says, for a text that holds no unwritable character.
bool writableReadsBackAsPlainScalar(std::string_view text) {
    if (text.empty() || isBlank(text.front()) || isBlank(text.back()))
        return false;
    const char first = text.front();
    if (startsIndicator[static_cast<unsigned char>(first)])
        return false;
    // "-", "?" and ":" start an entry, a key or a value only when a blank or the end follows.
    if ((first == '-' || first == '?' || first == ':') && (text.size() == 1 || isBlank(text[1])))
        return false;
    if (text.back() == ':')
        return false;
    // ": " or " #" anywhere, with a tab as the blank too; one pass finds both.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ':' && i + 1 < text.size() && isBlank(text[i + 1]))
            return false;
        if (text[i] == '#' && i > 0 && isBlank(text[i - 1]))
            return false;
    }
    return resolvePlainScalar(text) == PlainScalarKind::String;
}

} // namespace

std::string doubleSingleQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

std::string singleQuoted(std::string_view text) {
    std::string out;
    appendSingleQuoted(out, text);
    return out;
}

void appendSingleQuoted(std::string &out, std::string_view text) {
    out += '\'';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('\'', start);
        if (quote == std::string_view::npos) {
            out += text.substr(start);
            break;
        }
        out += text.substr(start, quote + 1 - start);
        out += '\'';
        start = quote + 1;
    }
    out += '\'';
}

bool holdsUnwritableCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // Most texts are mostly ASCII, where only the control characters are unwritable.
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7F)
                return true;
            ++i;
            continue;
        }
        // Three bytes with these leads are a character of U+1000..U+CFFF or U+E000..U+EFFF,
        // all writable (the Chinese ones among them); the others take the full decoding.
        if ((byte == 0xE1 || (byte >= 0xE3 && byte <= 0xEC) || byte == 0xEE) &&
            i + 2 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80 &&
            (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80) {
            i += 3;
            continue;
        }
        const auto decoded = decodeAt(text, i);
        if (!decoded || isUnwritable(decoded->first))
            return true;
        i += decoded->second;
    }
    return false;
}

bool readsBackAsPlainScalar(std::string_view text) {
    return !holdsUnwritableCharacter(text) && writableReadsBackAsPlainScalar(text);
}

std::string yamlScalar(std::string_view text) {
    if (readsBackAsPlainScalar(text))
        return std::string(text);
    return singleQuoted(text);
}

void appendYamlScalar(std::string &out, std::string_view text) {
    if (writableReadsBackAsPlainScalar(text))
        out += text;
    else
        appendSingleQuoted(out, text);
}

std::optional<std::string> decimalNumber(std::string_view typed) {
    std::optional<std::string> ascii = foldNumberCharacters(typed);
    if (!ascii || !isDecimalNumber(*ascii))
        return std::nullopt;
    return ascii;
}

} // namespace core
