// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings.h"

#include <QSettings>

namespace storage {
namespace {

const QString targetKey = QStringLiteral("output/target");
const QString folderKey = QStringLiteral("output/folder");

} // namespace

core::TargetServer loadTarget() {
    return QSettings().value(targetKey).toString() == QLatin1String("mm5")
               ? core::TargetServer::Mm5
               : core::TargetServer::Mm4;
}

void saveTarget(core::TargetServer target) {
    QSettings().setValue(targetKey, target == core::TargetServer::Mm5 ? QStringLiteral("mm5")
                                                                      : QStringLiteral("mm4"));
}

OutputFolder loadOutputFolder() {
    return {QSettings().value(folderKey).toString()};
}

void saveOutputFolder(const OutputFolder &output) {
    QSettings().setValue(folderKey, output.chosen);
}

} // namespace storage
