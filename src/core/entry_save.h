// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/config_document.h"

namespace core {

// The entry a window opened: its name in the file and what the sheet left of it.
struct LoadedEntry {
    std::string name;
    KeptText kept;
};

// The file text to write, or the warning to show instead.
struct EntrySave {
    std::string text;
    std::string warning;

    bool ready() const { return warning.empty(); }
};

// The file with the generated entry put in: in place of the loaded entry (renamed when the
// identifier changed; refused when another entry already has the new name), else in place of
// the entry with the identifier's name, else added at the end. The file is read again, so an
// entry found by its name where it stands now; a file that cannot be read is not written.
EntrySave saveEntryIntoFile(std::string_view fileText, const std::optional<LoadedEntry> &loaded,
                            std::string_view identifier, std::string_view newEntryText);

// "第3行第5列：…", for a message.
std::string describeConfigError(const ConfigError &error);

} // namespace core
