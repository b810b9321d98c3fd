// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Writes the values of a config text so that the server reads each as the user typed it, and
// keeps the first value for which no writing can do that, as a warning naming its place.
namespace core {

// Where a value stands, as the user knows it: a field ("怪物名称") or a list's row
// ("击杀信息列表第2行"). A row's name is only spelled out for a refusal, so that writing a
// long list builds none.
class Place {
  public:
    Place(std::string_view name) : name_(name) {}
    Place(const char *name) : name_(name) {}
    Place(const std::string &name) : name_(name) {}
    // The row at index (top row 0) of the list.
    static Place row(std::string_view list, std::size_t index) { return Place(list, index); }

    std::string text() const;

  private:
    Place(std::string_view list, std::size_t index) : name_(list), row_(index), isRow_(true) {}

    std::string_view name_;
    std::size_t row_ = 0;
    bool isRow_ = false;
};

class ValueWriter {
  public:
    // A text: as typed when it reads back as typed, else single-quoted.
    void text(std::string &out, Place place, std::string_view typed);
    // A text that is always single-quoted, as display names and kill messages are.
    void quoted(std::string &out, Place place, std::string_view typed);
    // A number: a decimal number typed (full-width digits too) in ASCII digits; a text that is
    // no number as a text; refused when the reader would take it for another number, a date
    // or a boolean ("010", "1_000", "0x1F", "12:30", "2024-01-01", "yes").
    void number(std::string &out, Place place, std::string_view typed);
    // An option's value: a boolean word as typed (the option is a yes/no one), else as number.
    void optionValue(std::string &out, Place place, std::string_view typed);
    // The internal name a config entry is known by, which is also its file name: refused when
    // it holds a blank or a ".", which the server reads as a nested section, or reads as a
    // number, boolean or null.
    void identifier(std::string &out, Place place, std::string_view typed);

    bool refused() const { return !warning_.empty(); }
    // The first refusal, with the place and the text as the user can see it.
    const std::string &warning() const { return warning_; }

  private:
    bool writable(Place place, std::string_view typed);
    void refuse(Place place, std::string_view typed, std::string_view why);

    std::string warning_;
};

// The text with every character the user cannot see (line breaks, control characters, lone
// surrogates, bytes that are no UTF-8) written as an escape, so a message can show it.
std::string visibleText(std::string_view text);

} // namespace core
