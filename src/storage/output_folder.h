// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

namespace storage {

// The MythicMobs folder the configs go to: one the user chose (a server's plugins/MythicMobs,
// say), or, with none chosen, MythicMobs under the working directory.
struct OutputFolder {
    QString chosen; // in the host's notation; empty for the working directory's MythicMobs

    bool operator==(const OutputFolder &) const = default;
};

// The folder's path in the host's notation; nothing when none is chosen and the working
// directory is gone, where the path would lead to the file-system root.
std::optional<QString> outputFolderPath(const OutputFolder &output);

// Makes the folders the windows save into, mobs and Items, when missing. A chosen folder is
// never made: one that has gone is told by the save, not silently made anew.
void createOutputFolders(const OutputFolder &output);

} // namespace storage
