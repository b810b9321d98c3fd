// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Writes the values of a config text so that the server reads each as the user typed it, and
// keeps the first value for which no writing can do that, as a warning naming its place.
namespace core {

class ValueWriter {
  public:
    // A text: as typed when it reads back as typed, else single-quoted.
    void text(std::string &out, std::string_view place, std::string_view typed);
    // A text that is always single-quoted, as display names and kill messages are.
    void quoted(std::string &out, std::string_view place, std::string_view typed);
    // A number: a decimal number typed (full-width digits too) in ASCII digits; a text that is
    // no number as a text; refused when the reader would take it for another number, a date
    // or a boolean ("010", "1_000", "0x1F", "12:30", "2024-01-01", "yes").
    void number(std::string &out, std::string_view place, std::string_view typed);
    // An option's value: a boolean word as typed (the option is a yes/no one), else as number.
    void optionValue(std::string &out, std::string_view place, std::string_view typed);
    // The internal name a config entry is known by, which is also its file name: refused when
    // it holds a blank or a ".", which the server reads as a nested section, or reads as a
    // number, boolean or null.
    void identifier(std::string &out, std::string_view place, std::string_view typed);

    bool refused() const { return !warning_.empty(); }
    // The first refusal, with the place and the text as the user can see it.
    const std::string &warning() const { return warning_; }

  private:
    bool writable(std::string_view place, std::string_view typed);
    void refuse(std::string_view place, std::string_view typed, std::string_view why);

    std::string warning_;
};

// The text with every character the user cannot see (line breaks, control characters, lone
// surrogates, bytes that are no UTF-8) written as an escape, so a message can show it.
std::string visibleText(std::string_view text);

} // namespace core
