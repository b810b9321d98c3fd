// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/config_words.h"

namespace item {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::string materialName(std::string_view itemId) {
    while (!itemId.empty() && isBlank(itemId.front()))
        itemId.remove_prefix(1);
    while (!itemId.empty() && isBlank(itemId.back()))
        itemId.remove_suffix(1);
    std::string name;
    for (char c : itemId)
        name += lowerAscii(c);
    constexpr std::string_view nameSpace = "minecraft:";
    if (name.starts_with(nameSpace))
        name.erase(0, nameSpace.size());
    return name;
}

} // namespace item
