// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cp936.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {

#ifdef _WIN32

namespace {

constexpr UINT codePage936 = 936;

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The bytes, or nothing when Windows had to put its default character in. Without
// WC_NO_BEST_FIT_CHARS it would write a look-alike instead, such as "2" for "²", and say
// nothing about it.
std::optional<std::string> convert(std::u16string_view text) {
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(codePage936, WC_NO_BEST_FIT_CHARS, wide, length, nullptr,
                                         0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage936, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size,
                        nullptr, &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return bytes;
}

// Code page 936 keeps no state between characters, so the character that spoiled the whole
// text is the first one that fails alone.
RefusedCharacter firstRefused(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const bool pair =
            isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
        const std::size_t length = pair ? 2 : 1;
        if (!convert(text.substr(i, length))) {
            const char32_t character =
                pair ? 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (text[i + 1] - 0xDC00)
                     : char32_t(text[i]);
            return {i, character};
        }
        i += length;
    }
    // Only a text too long for one call fails as a whole and in no part.
    return {0, text.empty() ? U'\0' : char32_t(text[0])};
}

} // namespace

// A Windows installed without the East Asian code pages lacks it.
bool codePage936Available() {
    return IsValidCodePage(codePage936) != 0;
}

std::optional<CodePage936Text> encodeCodePage936(std::u16string_view text) {
    if (!codePage936Available())
        return std::nullopt;
    if (text.empty())
        return CodePage936Text(std::string());
    if (std::optional<std::string> bytes = convert(text))
        return CodePage936Text(std::move(*bytes));
    return CodePage936Text(firstRefused(text));
}

#else

bool codePage936Available() {
    return false;
}

std::optional<CodePage936Text> encodeCodePage936(std::u16string_view) {
    return std::nullopt;
}

#endif

} // namespace platform
