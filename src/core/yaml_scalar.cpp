// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml_scalar.h"

#include <algorithm>
#include <array>

namespace core {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Characters that open something other than a plain scalar when they come first.
constexpr std::string_view leadingIndicators = "[]{},#&*!|>'\"%@`";

// Words that YAML 1.1 readers such as the plugin's resolve to null or to a boolean, which
// the plugin then prints as "true" or "false" or drops.
constexpr std::array<std::string_view, 22> resolvedWords = {
    "~",   "null", "Null", "NULL", "true", "True", "TRUE", "false", "False", "FALSE", "yes",
    "Yes", "YES",  "no",   "No",   "NO",   "on",   "On",   "ON",    "off",   "Off",   "OFF",
};

} // namespace

bool readsBackAsPlainScalar(std::string_view text) {
    if (text.empty() || isBlank(text.front()) || isBlank(text.back()))
        return false;
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return false;
    const char first = text.front();
    if (leadingIndicators.find(first) != std::string_view::npos)
        return false;
    // "-", "?" and ":" start an entry, a key or a value only when a blank or the end follows.
    if ((first == '-' || first == '?' || first == ':') && (text.size() == 1 || isBlank(text[1])))
        return false;
    if (text.back() == ':')
        return false;
    for (const std::string_view marker : {": ", ":\t", " #", "\t#"})
        if (text.find(marker) != std::string_view::npos)
            return false;
    return std::find(resolvedWords.begin(), resolvedWords.end(), text) == resolvedWords.end();
}

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

bool isSingleQuotedScalar(std::string_view text) {
    if (text.size() < 2 || text.front() != '\'' || text.back() != '\'')
        return false;
    const std::string_view inside = text.substr(1, text.size() - 2);
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] != '\'')
            continue;
        if (i + 1 >= inside.size() || inside[i + 1] != '\'')
            return false;
        ++i;
    }
    return inside.find_first_of("\r\n") == std::string_view::npos;
}

std::string yamlScalar(std::string_view text) {
    if (readsBackAsPlainScalar(text) || isSingleQuotedScalar(text))
        return std::string(text);
    return "'" + doubleSingleQuotes(text) + "'";
}

} // namespace core
