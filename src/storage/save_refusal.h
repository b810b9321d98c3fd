// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace storage {

// Why a config was not saved; the text is for the user and says what to change.
struct SaveRefusal {
    enum class Kind {
        UnencodableCharacter, // a character the file's code page cannot hold
        OutsideFolder,        // the identifier names a place outside the config folder
        UnusableName,         // an identifier part that is empty, "." or holds control characters
        NoWorkingDirectory,   // the folder the program runs in is gone
        Link,                 // the file, or a subfolder the identifier names, is a link
        WriteFailed,          // the system did not let the file be written
        OtherEntries,         // the file's other entries cannot be read, or one has the name
    };
    Kind kind;
    QString text;
};

} // namespace storage
