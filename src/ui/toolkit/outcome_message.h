// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "core/list_entry.h"
#include "mob/row_outcome.h"

namespace ui {

// The end of an add handler: the outcome's warning, if any, is shown with the warning
// icon, and its row, if any, is handed back for the handler to place in its list.
std::optional<core::ListEntry> rowToPlace(const mob::RowOutcome &outcome);

} // namespace ui
