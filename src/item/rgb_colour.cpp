// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/rgb_colour.h"

#include <array>
#include <charconv>

namespace item {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<std::uint8_t> readComponent(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    // from_chars would take a leading minus; a component has digits only.
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

} // namespace

std::string formatRgbColour(RgbColour colour) {
    return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue);
}

std::optional<RgbColour> parseRgbColour(std::string_view text) {
    std::array<std::uint8_t, 3> components{};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == components.size();
        if (last != (comma == std::string_view::npos))
            return std::nullopt;
        const std::optional<std::uint8_t> component = readComponent(text.substr(0, comma));
        if (!component)
            return std::nullopt;
        components[i] = *component;
        text = last ? std::string_view() : text.substr(comma + 1);
    }
    return RgbColour{components[0], components[1], components[2]};
}

std::string buildColourOptionsBlock(const std::optional<RgbColour> &colour) {
    if (!colour)
        return {};
    return "  Options:\r\n    Color: " + formatRgbColour(*colour) + "\r\n";
}

} // namespace item
