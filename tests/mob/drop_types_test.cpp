// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/drop_types.h"

#include <gtest/gtest.h>

namespace {

using mob::RowOutcome;

struct DropCase {
    int type;
    mob::DropFields fields;
    RowOutcome expected;
};

void PrintTo(const DropCase &c, std::ostream *os) {
    *os << "type " << c.type << " [" << c.fields[0] << "|" << c.fields[1] << "|" << c.fields[2]
        << "]";
}

class DropRules : public testing::TestWithParam<DropCase> {};

TEST_P(DropRules, CheckedInOrderAndCopiedAsTyped) {
    EXPECT_EQ(mob::addDrop(GetParam().type, GetParam().fields), GetParam().expected);
}

const std::string range(mob::chanceRangeWarning);

INSTANTIATE_TEST_SUITE_P(
    AllTypes, DropRules,
    testing::Values(
        // The lines of each type; the third field is no part of a two-field drop.
        DropCase{0, {"10", "1", "left over"}, RowOutcome::add("  - exp 10 1")},
        DropCase{1, {"50", "0.25", ""}, RowOutcome::add("  - money 50 0.25")},
        DropCase{2, {"diamond", "2", "0.5"}, RowOutcome::add("  - diamond 2 0.5")},
        DropCase{3, {"RubySword", "1", "0.05"}, RowOutcome::add("  - RubySword 1 0.05")},
        // Empty fields, each type with its own messages, the first failing check only.
        DropCase{0, {"", "", ""}, RowOutcome::warn("经验数量不能为空！")},
        DropCase{0, {"10", "", "0.5"}, RowOutcome::warn("掉落几率不能为空！")},
        DropCase{1, {"", "0.5", ""}, RowOutcome::warn("金币数量不能为空！")},
        DropCase{1, {"5", "", ""}, RowOutcome::warn("掉落几率不能为空！")},
        DropCase{2, {"", "2", ""}, RowOutcome::warn("物品ID不能为空！")},
        DropCase{2, {"stone", "", ""}, RowOutcome::warn("物品数量不能为空！")},
        DropCase{2, {"stone", "2", ""}, RowOutcome::warn("掉落几率不能为空！")},
        DropCase{3, {"", "", ""}, RowOutcome::warn("物品名称不能为空！")},
        DropCase{3, {"Ruby", "", "1"}, RowOutcome::warn("物品数量不能为空！")},
        DropCase{3, {"Ruby", "1", ""}, RowOutcome::warn("掉落几率不能为空！")},
        // The range check reads the chance field of its type.
        DropCase{1, {"5", "0", "0.5"}, RowOutcome::warn(range)},
        DropCase{2, {"stone", "0.5", "1.5"}, RowOutcome::warn(range)},
        DropCase{3, {"Ruby", "abc", "0.5"}, RowOutcome::add("  - Ruby abc 0.5")},
        // Blanks count as filled and stay; amounts are never read as numbers.
        DropCase{0, {" ", "1", ""}, RowOutcome::add("  - exp   1")},
        DropCase{1, {"ten", "0.5abc", ""}, RowOutcome::add("  - money ten 0.5abc")},
        DropCase{2, {"a b", " 2", "1 "}, RowOutcome::add("  - a b  2 1 ")},
        // No drop type selected, or no such row.
        DropCase{-1, {"10", "1", "1"}, RowOutcome::nothing()},
        DropCase{4, {"10", "1", "1"}, RowOutcome::nothing()}));

TEST(DropChance, RangeBoundaries) {
    struct Case {
        const char *text;
        bool accepted;
    };
    for (const Case c : {
             Case{"1", true},
             Case{"0.5", true},
             Case{"0.0000002", true},
             Case{"1.00000005", true}, // exceeds 1 by less than the margin
             Case{"0.5abc", true},     // the number at the start counts
             Case{" 0.5", true},
             Case{"０．５", true},     // full-width digits read as their ASCII forms
             Case{"1.0000001", false}, // x - 1 lies just above the double nearest 1e-7
             Case{"1.0000002", false},
             Case{"1.5", false},
             Case{"0.0000001", false}, // must exceed the margin
             Case{"0", false},
             Case{"-0.5", false},
             Case{"abc", false}, // reads as 0
             Case{"", false},
         })
        EXPECT_EQ(mob::chanceInRange(c.text), c.accepted) << c.text;
}

} // namespace
