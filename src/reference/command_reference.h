// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace reference {

// The plugin's console commands as the command list window shows them: seven titled
// sections, one bullet line ("· ") per command, explanation or note, lines joined by CR LF
// and no line end after the last. A command is followed either on its own line by " * "
// and its explanation, or by explanation bullets of its own. Brackets left open in some
// commands are kept as the plugin's users have always read them.
extern const std::string_view commandReferenceText;

} // namespace reference
