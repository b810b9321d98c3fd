// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace reference {

// The rows of the variable list, in their order: placeholder, a tab, description.
extern const std::array<std::string_view, 57> variableRows;

} // namespace reference
