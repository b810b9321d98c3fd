// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// What Windows makes of one part of a path, the text between two separators.
enum class WindowsNameVerdict {
    allowed,
    deviceName,         // opens a device such as the printer instead of a file
    reservedCharacter,  // < > : " / \ | ? * or a control character
    trailingDotOrBlank, // stripped by Windows, so "a." and "a " are the file "a"
    tooLong,            // more than maxWindowsNameUnits
};

// The most UTF-16 units a name may have on NTFS and FAT.
inline constexpr std::size_t maxWindowsNameUnits = 255;

// The first thing wrong with the part on Windows, checked in the order of the verdicts. "."
// and ".." step through folders and are allowed; whether a path may leave its folder is for
// the caller to decide.
WindowsNameVerdict judgeWindowsName(std::u16string_view part);

// The length of a name the way each file system counts it: Windows in UTF-16 units, Linux
// in UTF-8 bytes (a lone surrogate is written as U+FFFD, three bytes).
struct NameLength {
    std::size_t utf16Units;
    std::size_t utf8Bytes;
    bool operator==(const NameLength &) const = default;
};
NameLength nameLength(std::u16string_view part);

} // namespace platform
