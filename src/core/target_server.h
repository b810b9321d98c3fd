// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace core {

// The plugin generation a config is written for. Mm4 servers read the Bukkit names from
// before Minecraft 1.20.5 (SLOW, HEAL, STRIPE_SMALL), Mm5 servers the current ones.
enum class TargetServer { Mm4, Mm5 };

} // namespace core
