// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/drop_types.h"

#include "core/number.h"
#include "core/table_row.h"
#include "core/yaml_scalar.h"

namespace mob {
namespace {

const DropType *dropType(int typeIndex) {
    return core::tableRow(dropTypes, typeIndex);
}

} // namespace

const DropLayout *dropLayout(int typeIndex) {
    const DropType *type = dropType(typeIndex);
    return type ? type->layout : nullptr;
}

bool chanceInRange(std::string_view text) {
    constexpr double margin = 1e-7;
    const double x = core::parseNumber(text);
    // Subtracting first matters: 1.0000001 - 1 lies just above the margin, while
    // 1.0000001 <= 1 + margin would hold.
    return x - 1.0 <= margin && x > margin;
}

RowOutcome addDrop(int typeIndex, const DropFields &fields) {
    const DropType *type = dropType(typeIndex);
    if (!type)
        return RowOutcome::nothing();
    for (std::size_t i = 0; i < type->fieldCount; ++i) {
        if (fields[i].empty())
            return RowOutcome::warn(type->emptyWarnings[i]);
    }
    if (!chanceInRange(fields[type->fieldCount - 1]))
        return RowOutcome::warn(chanceRangeWarning);

    std::string line(type->linePrefix);
    const std::size_t chance = type->fieldCount - 1;
    for (std::size_t i = 0; i < type->fieldCount; ++i) {
        if (i > 0)
            line += ' ';
        // A chance read after folding full-width digits goes in with ASCII ones, which the
        // plugin's number reader knows; one with more after the number stays as typed.
        const std::optional<std::string> ascii =
            i == chance ? core::decimalNumber(fields[i]) : std::nullopt;
        line += ascii ? *ascii : fields[i];
    }
    return RowOutcome::add(std::move(line));
}

} // namespace mob
