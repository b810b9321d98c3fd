// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace platform {

// The first character of a text that code page 936 cannot hold.
struct RefusedCharacter {
    std::size_t index;  // in UTF-16 units, where the character starts
    char32_t character; // a lone surrogate is itself the character
    bool operator==(const RefusedCharacter &) const = default;
};

// The GBK bytes of the whole text, or the first character refused.
using CodePage936Text = std::variant<std::string, RefusedCharacter>;

// Whether Windows' own converter is at hand. Elsewhere Qt's ICU converter writes GBK.
bool codePage936Available();

// The text in code page 936, refusing what Windows would replace by a look-alike or by '?';
// nothing where codePage936Available() is false.
std::optional<CodePage936Text> encodeCodePage936(std::u16string_view text);

} // namespace platform
