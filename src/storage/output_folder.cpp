// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/output_folder.h"

#include <QDir>

#include "storage/files.h"

namespace storage {

std::optional<QString> outputFolderPath(const OutputFolder &output) {
    if (!output.chosen.isEmpty())
        return QDir::toNativeSeparators(output.chosen);
    const std::optional<QString> workDir = workingDirectory();
    if (!workDir)
        return std::nullopt;
    return hostPath({*workDir, QStringLiteral("MythicMobs")});
}

void createOutputFolders(const OutputFolder &output) {
    const std::optional<QString> base = outputFolderPath(output);
    if (!base)
        return;
    if (output.chosen.isEmpty())
        createFolder(*base);
    for (const QString &folder : {QStringLiteral("mobs"), QStringLiteral("Items")})
        createFolder(hostPath({*base, folder}));
}

} // namespace storage
