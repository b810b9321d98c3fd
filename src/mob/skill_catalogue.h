// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace mob {

// How the field of an argument reads what the user typed and how the line writes it.
enum class ArgumentType {
    Number,  // a decimal number, written with ASCII digits
    Integer, // a whole number, written with ASCII digits
    Text,    // written as typed, in the plugin's quotes when it holds ; = blanks or '
    YesNo,   // written as true or false
    Choice,  // one of the listed values, written as listed
};

// One argument of a mechanic or option of a targeter, as the plugin's documentation lists it.
// The name is what a composed line writes; aliases and choices are comma-separated lists.
struct SkillArgument {
    std::string_view name;
    std::string_view aliases;
    ArgumentType type;
    std::string_view defaultValue; // as the documentation gives it; empty when it gives none
    std::string_view choices = {}; // the values of a Choice argument, in their order
};

struct Mechanic {
    std::string_view caption;
    std::string_view key; // as the line spells it, before its {…}
    bool premium;         // needs MythicMobs Premium
    std::span<const SkillArgument> arguments;
};

struct Targeter {
    std::string_view caption;
    std::string_view key; // written after "@"
    std::span<const SkillArgument> options;
};

// What a trigger takes after its colon in "~onTimer:100".
enum class TriggerValue {
    None,
    Ticks,  // required: a positive whole number of ticks
    Signal, // optional: the name of the signal to react to; none reacts to every signal
};

struct Trigger {
    std::string_view caption;
    std::string_view key; // written after "~"
    TriggerValue value;
};

// The rows of the three catalogues, in their order.
extern const std::span<const Mechanic> mechanics;
extern const std::span<const Targeter> targeters;
extern const std::span<const Trigger> triggers;

// Attributes every mechanic accepts. A mechanic's argument index counts its own arguments
// first, then these.
extern const std::span<const SkillArgument> universalArguments;

std::size_t argumentCount(const Mechanic &mechanic);
// The argument at an index below argumentCount(mechanic).
const SkillArgument &argumentAt(const Mechanic &mechanic, std::size_t index);

// The entries of a comma-separated list such as SkillArgument::aliases or ::choices.
std::vector<std::string_view> listEntries(std::string_view list);

// The rows whose caption or key contains the typed text, keys compared without regard to
// ASCII case; every row for an empty text.
std::vector<std::size_t> matchingMechanics(std::string_view typed);
std::vector<std::size_t> matchingTargeters(std::string_view typed);
std::vector<std::size_t> matchingTriggers(std::string_view typed);

} // namespace mob
