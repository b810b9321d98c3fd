// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml11.h"

#include <array>
#include <initializer_list>

namespace core {
namespace {

// The resolver's rules, written as scanners rather than regular expressions, since every
// value of a config passes through them. Each comment gives the rule's pattern.

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

bool isBinaryDigit(char c) {
    return c == '0' || c == '1';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
    for (const std::string_view word : words)
        if (text == word)
            return true;
    return false;
}

std::string_view withoutSign(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return text;
}

// Nothing but the digits of a kind and '_', and at least one digit: _*[d]+[d_]*.
template <class IsDigit> bool digitsWithUnderscores(std::string_view text, IsDigit isDigitOfKind) {
    bool anyDigit = false;
    for (const char c : text) {
        if (isDigitOfKind(c))
            anyDigit = true;
        else if (c != '_')
            return false;
    }
    return anyDigit;
}

// [0-9_]*, the whole text.
bool onlyDigitsAndUnderscores(std::string_view text) {
    for (const char c : text)
        if (!isDigit(c) && c != '_')
            return false;
    return true;
}

// (:[0-5]?[0-9])+, the whole text.
bool sexagesimalGroups(std::string_view text) {
    if (text.empty())
        return false;
    while (!text.empty()) {
        if (text.front() != ':')
            return false;
        text.remove_prefix(1);
        std::size_t length = 0;
        while (length < text.size() && text[length] != ':')
            ++length;
        const std::string_view group = text.substr(0, length);
        const bool valid =
            (group.size() == 1 && isDigit(group[0])) ||
            (group.size() == 2 && group[0] >= '0' && group[0] <= '5' && isDigit(group[1]));
        if (!valid)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

// first[0-9_]*(:[0-5]?[0-9])+ where first is the class the first character must be in.
template <class IsFirst> bool sexagesimal(std::string_view text, IsFirst isFirst) {
    if (text.empty() || !isFirst(text.front()))
        return false;
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    return onlyDigitsAndUnderscores(text.substr(1, colon - 1)) &&
           sexagesimalGroups(text.substr(colon));
}

// [eE][-+]?[0-9]+, the whole text.
bool exponent(std::string_view text) {
    if (text.empty() || (text.front() != 'e' && text.front() != 'E'))
        return false;
    text = withoutSign(text.substr(1));
    if (text.empty())
        return false;
    for (const char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

// yes|Yes|YES|no|No|NO|true|True|TRUE|false|False|FALSE|on|On|ON|off|Off|OFF
bool isBool(std::string_view text) {
    return isOneOf(text, {"yes", "Yes", "YES", "no", "No", "NO", "true", "True", "TRUE", "false",
                          "False", "FALSE", "on", "On", "ON", "off", "Off", "OFF"});
}

// [-+]?0b_*[0-1]+[0-1_]* | [-+]?0_*[0-7]+[0-7_]* | [-+]?(0|[1-9][0-9_]*)
// | [-+]?0x_*[0-9a-fA-F]+[0-9a-fA-F_]* | [-+]?[1-9][0-9_]*(:[0-5]?[0-9])+
bool isInt(std::string_view text) {
    const std::string_view number = withoutSign(text);
    if (number.empty())
        return false;
    if (number.front() == '0') {
        if (number.size() == 1)
            return true;
        if (number[1] == 'b')
            return digitsWithUnderscores(number.substr(2), isBinaryDigit);
        if (number[1] == 'x')
            return digitsWithUnderscores(number.substr(2), isHexDigit);
        return digitsWithUnderscores(number.substr(1), isOctalDigit);
    }
    if (number.front() < '1' || number.front() > '9')
        return false;
    return onlyDigitsAndUnderscores(number.substr(1)) ||
           sexagesimal(number, [](char c) { return c >= '1' && c <= '9'; });
}

// [-+]?(\.[0-9]+([eE][-+]?[0-9]+)? | [0-9_]+\.[0-9_]*([eE][-+]?[0-9]+)? | [0-9_]+[eE][-+]?[0-9]+)
// | [-+]?[0-9][0-9_]*(:[0-5]?[0-9])+\.[0-9_]* | [-+]?\.(inf|Inf|INF) | \.(nan|NaN|NAN)
bool isFloat(std::string_view text) {
    if (isOneOf(text, {".nan", ".NaN", ".NAN"}))
        return true;
    const std::string_view number = withoutSign(text);
    if (isOneOf(number, {".inf", ".Inf", ".INF"}))
        return true;
    std::size_t integer = 0; // [0-9_]*
    while (integer < number.size() && (isDigit(number[integer]) || number[integer] == '_'))
        ++integer;
    const std::string_view rest = number.substr(integer);
    if (integer == 0) {
        // \.[0-9]+ with an optional exponent: digits only, no '_'.
        if (rest.empty() || rest.front() != '.')
            return false;
        std::size_t fraction = 1;
        while (fraction < rest.size() && isDigit(rest[fraction]))
            ++fraction;
        return fraction > 1 && (fraction == rest.size() || exponent(rest.substr(fraction)));
    }
    if (!rest.empty() && rest.front() == '.') {
        std::size_t fraction = 1;
        while (fraction < rest.size() && (isDigit(rest[fraction]) || rest[fraction] == '_'))
            ++fraction;
        return fraction == rest.size() || exponent(rest.substr(fraction));
    }
    if (exponent(rest))
        return true;
    // The sexagesimal float: the point comes after the groups, which hold no point.
    const std::size_t point = number.find('.');
    return point != std::string_view::npos && onlyDigitsAndUnderscores(number.substr(point + 1)) &&
           sexagesimal(number.substr(0, point), isDigit);
}

// ~|null|Null|NULL (the rule's " " is never tried: a blank is not among its first characters)
bool isNull(std::string_view text) {
    return isOneOf(text, {"~", "null", "Null", "NULL"});
}

// [0-9]{4}-[0-9]{2}-[0-9]{2}
// | [0-9]{4}-[0-9]{1,2}-[0-9]{1,2}([Tt]|[ \t]+)[0-9]{1,2}:[0-9]{2}:[0-9]{2}(\.[0-9]*)?
//   ([ \t]*(Z|[-+][0-9]{1,2}(:[0-9]{2})?))?
bool isTimestamp(std::string_view text) {
    std::size_t i = 0;
    // Between least and most digits at i; how many, or 0 when fewer.
    const auto digits = [&](std::size_t least, std::size_t most) {
        std::size_t count = 0;
        while (count < most && i < text.size() && isDigit(text[i])) {
            ++count;
            ++i;
        }
        return count >= least ? count : 0;
    };
    const auto skip = [&](char c) {
        if (i < text.size() && text[i] == c) {
            ++i;
            return true;
        }
        return false;
    };
    if (!digits(4, 4) || !skip('-'))
        return false;
    const std::size_t month = digits(1, 2);
    if (!month || !skip('-'))
        return false;
    const std::size_t day = digits(1, 2);
    if (!day)
        return false;
    if (i == text.size())
        return month == 2 && day == 2;
    if (text[i] == 'T' || text[i] == 't') {
        ++i;
    } else if (isBlank(text[i])) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    } else {
        return false;
    }
    if (!digits(1, 2) || !skip(':') || !digits(2, 2) || !skip(':') || !digits(2, 2))
        return false;
    if (skip('.'))
        digits(0, text.size());
    if (i == text.size())
        return true;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (skip('Z'))
        return i == text.size();
    if (!skip('-') && !skip('+'))
        return false;
    if (!digits(1, 2))
        return false;
    if (skip(':') && !digits(2, 2))
        return false;
    return i == text.size();
}

struct Resolver {
    PlainScalarKind kind;
    std::string_view firstCharacters; // the reader tries the rule only for these
    bool (*matches)(std::string_view);
};

constexpr std::array<Resolver, 7> resolvers = {{
    {PlainScalarKind::Bool, "yYnNtTfFoO", isBool},
    {PlainScalarKind::Int, "-+0123456789", isInt},
    // A point or an exponent makes a float: "09" stays a text.
    {PlainScalarKind::Float, "-+0123456789.", isFloat},
    {PlainScalarKind::Merge, "<", [](std::string_view text) { return text == "<<"; }},
    {PlainScalarKind::Null, "~nN", isNull},
    {PlainScalarKind::Timestamp, "0123456789", isTimestamp},
    {PlainScalarKind::Value, "=", [](std::string_view text) { return text == "="; }},
}};

// Whether any rule is tried for a first character; most texts start with none of them.
constexpr std::array<bool, 256> startsSomeRule = [] {
    std::array<bool, 256> table{};
    for (const Resolver &resolver : resolvers)
        for (const char c : resolver.firstCharacters)
            table[static_cast<unsigned char>(c)] = true;
    return table;
}();

} // namespace

PlainScalarKind resolvePlainScalar(std::string_view text) {
    if (text.empty())
        return PlainScalarKind::Null;
    if (!startsSomeRule[static_cast<unsigned char>(text.front())])
        return PlainScalarKind::String;
    for (const Resolver &resolver : resolvers) {
        if (resolver.firstCharacters.find(text.front()) == std::string_view::npos)
            continue;
        if (resolver.matches(text))
            return resolver.kind;
    }
    return PlainScalarKind::String;
}

} // namespace core
