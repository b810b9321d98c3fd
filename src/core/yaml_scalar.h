// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// How a text the user typed is written as a YAML value, so that the server's reader (YAML
// 1.1) reads back what was typed.
namespace core {

// The inside of a YAML single-quoted scalar: each single quote is doubled.
std::string doubleSingleQuotes(std::string_view text);

// The text single-quoted, inner quotes doubled.
std::string singleQuoted(std::string_view text);

// The same, appended to out.
void appendSingleQuoted(std::string &out, std::string_view text);

// Whether the text holds what no scalar on one line can carry: a line break (CR, LF, NEL,
// U+2028, U+2029), another control character (tab, NUL, DEL, C1), a lone surrogate (its
// three-byte form, as the widget layer passes it on) or bytes that are no UTF-8.
bool holdsUnwritableCharacter(std::string_view text);

// Whether the text, standing unquoted after "Key: " or "- " on one line of a block, reads
// back as a string equal to it. It does not when it starts with an indicator ("&c..." is an
// anchor, "#" a comment, "- " an entry), holds ": " or " #", starts or ends with a blank, or
// resolves to another kind of value ("yes", "~", "010", "1:30", "2024-01-01").
bool readsBackAsPlainScalar(std::string_view text);

// The text as typed when it reads back as typed, otherwise single-quoted. The text must hold
// no unwritable character.
std::string yamlScalar(std::string_view text);

// The same, appended to out; the check for unwritable characters is left to the caller,
// which has made it already.
void appendYamlScalar(std::string &out, std::string_view text);

// The ASCII form of a decimal number typed with ASCII or full-width digits ("１２", "0.5",
// "-3", "1e5"), when the server reads that form as the same number; nothing for any other
// text, and for an integer with a leading zero, which the reader takes for octal ("010").
std::optional<std::string> decimalNumber(std::string_view typed);

} // namespace core
