// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace core {

// What a plain (unquoted) scalar becomes in the server's reader, which resolves tags the
// YAML 1.1 way: "yes" is a boolean, "010" the integer 8, "1:30" the integer 90, "~" null.
enum class PlainScalarKind { String, Null, Bool, Int, Float, Timestamp, Merge, Value };

// The kind the server's reader gives the text as a plain scalar; the rules are those of
// SnakeYAML's resolver, tried in its order.
PlainScalarKind resolvePlainScalar(std::string_view text);

} // namespace core
