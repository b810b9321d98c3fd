// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// How a text the user typed is written as a YAML value, so that it reads back as typed.
namespace core {

// The inside of a YAML single-quoted scalar: each single quote is doubled.
std::string doubleSingleQuotes(std::string_view text);

// Whether the text, standing unquoted after "Key: " or "- " on one line of a block, reads
// back from YAML as a string equal to it. It does not when it starts with an indicator
// ("&c..." is an anchor, "#" a comment, "- " an entry), holds ": " or " #", starts or ends
// with a blank, or is a word that readers take for null or a boolean ("~", "yes", "Off").
bool readsBackAsPlainScalar(std::string_view text);

// Whether the text is one complete single-quoted scalar: a quote at each end and every
// quote between them doubled, as in 'it''s'.
bool isSingleQuotedScalar(std::string_view text);

// The text as typed when it reads back as typed or the user already quoted it whole;
// otherwise single-quoted with inner quotes doubled.
std::string yamlScalar(std::string_view text);

} // namespace core
