// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings.h"

#include <QSettings>

namespace storage {
namespace {

const QString targetKey = QStringLiteral("output/target");

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

} // namespace storage
