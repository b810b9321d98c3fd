// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows_names.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

char16_t asciiUpper(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? unit - 0x20 : unit;
}

bool equalsIgnoringAsciiCase(std::u16string_view text, std::u16string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(),
                      [](char16_t a, char16_t b) { return asciiUpper(a) == b; });
}

// Windows reads the superscripts ¹ ² ³ as the digits of a port as well.
bool isPortDigit(char16_t unit) {
    return (unit >= u'1' && unit <= u'9') || unit == u'¹' || unit == u'²' || unit == u'³';
}

bool isDeviceStem(std::u16string_view stem) {
    static constexpr std::array<std::u16string_view, 6> devices = {u"CON", u"PRN",    u"AUX",
                                                                   u"NUL", u"CONIN$", u"CONOUT$"};
    if (std::any_of(devices.begin(), devices.end(), [stem](std::u16string_view device) {
            return equalsIgnoringAsciiCase(stem, device);
        }))
        return true;
    return stem.size() == 4 &&
           (equalsIgnoringAsciiCase(stem.substr(0, 3), u"COM") ||
            equalsIgnoringAsciiCase(stem.substr(0, 3), u"LPT")) &&
           isPortDigit(stem[3]);
}

// A device name stays one with any extension and with blanks before it: "nul.txt", "COM1 ".
bool isDeviceName(std::u16string_view part) {
    std::u16string_view stem = part.substr(0, part.find(u'.'));
    while (!stem.empty() && stem.back() == u' ')
        stem.remove_suffix(1);
    return isDeviceStem(stem);
}

bool isReservedCharacter(char16_t unit) {
    return unit < 0x20 ||
           std::u16string_view(u"<>:\"/\\|?*").find(unit) != std::u16string_view::npos;
}

} // namespace

WindowsNameVerdict judgeWindowsName(std::u16string_view part) {
    if (part == u"." || part == u"..")
        return WindowsNameVerdict::allowed;
    if (isDeviceName(part))
        return WindowsNameVerdict::deviceName;
    if (std::any_of(part.begin(), part.end(), isReservedCharacter))
        return WindowsNameVerdict::reservedCharacter;
    if (!part.empty() && (part.back() == u'.' || part.back() == u' '))
        return WindowsNameVerdict::trailingDotOrBlank;
    if (part.size() > maxWindowsNameUnits)
        return WindowsNameVerdict::tooLong;
    return WindowsNameVerdict::allowed;
}

NameLength nameLength(std::u16string_view part) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const char16_t unit = part[i];
        if (unit < 0x80)
            bytes += 1;
        else if (unit < 0x800)
            bytes += 2;
        else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < part.size() && part[i + 1] >= 0xDC00 &&
                 part[i + 1] <= 0xDFFF) {
            bytes += 4;
            ++i;
        } else
            bytes += 3;
    }
    return {part.size(), bytes};
}

} // namespace platform
