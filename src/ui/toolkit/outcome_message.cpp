// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/outcome_message.h"

#include <QString>

#include "ui/toolkit/message.h"

namespace ui {

std::optional<core::ListEntry> rowToPlace(const mob::RowOutcome &outcome) {
    if (!outcome.warning.empty())
        showMessage(QString::fromStdString(outcome.warning), true);
    return outcome.row;
}

} // namespace ui
