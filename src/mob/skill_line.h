// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "mob/row_outcome.h"

namespace mob {

// One entry of a mob's Skills list as the skills dialog holds it, every text UTF-8 as typed.
// An empty text is a field left blank: an empty argument or option is not written, and an
// empty trigger value, health modifier or chance leaves that part out of the line. Fields of
// a part that is not chosen (arguments without a mechanic row, options without a targeter,
// the value of a trigger that takes none) are not read.
struct SkillLine {
    // A row of mechanics, or none to use freeMechanic: text typed for what the catalogue
    // lacks, which stands where the mechanic and its {…} would and is followed by the
    // targeter, trigger, health modifier and chance like a catalogue mechanic.
    std::optional<std::size_t> mechanic = {};
    std::string freeMechanic = {};
    std::map<std::size_t, std::string> arguments = {}; // by argumentAt() index

    std::optional<std::size_t> targeter = {}; // none leaves the plugin's default, @trigger
    std::map<std::size_t, std::string> targeterOptions = {}; // by index into the row's options

    std::optional<std::size_t> trigger = {}; // none leaves the plugin's default, ~onCombat
    std::string triggerValue = {};           // the ticks of onTimer, the signal of onSignal

    std::string healthModifier = {}; // =50%  <50%  >500  =30%-50%
    std::string chance = {};         // 0 to 1
};

// Checks the fields in the order the line writes them and returns the first problem as a
// warning that names the field, or the line in the plugin's syntax without the "- " of the
// list. Numbers and the other fields that are read are written with ASCII characters, so
// "１０" becomes 10. A row index past its catalogue gives nothing, without a message.
RowOutcome composeSkillLine(const SkillLine &line);

} // namespace mob
