// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/ai_keys.h"

#include <gtest/gtest.h>

namespace {

using mob::RowOutcome;

// Every row of both lists, so a slip in any fragment shows.
TEST(AiLines, EveryGoalRow) {
    const char *const fragments[] = {"clear",
                                     "breakdoors",
                                     "eatgrass",
                                     "float",
                                     "lookatplayers",
                                     "opendoors",
                                     "closedoors",
                                     "randomlookaround",
                                     "avoidarrows",
                                     "avoidcreepers",
                                     "avoidskeletons",
                                     "avoidzombies",
                                     "fleesun",
                                     "meleeattack",
                                     "movetowardstarget",
                                     "randomstroll",
                                     "restrictsun",
                                     "fleeplayers",
                                     "fleegolems",
                                     "fleevillagers",
                                     "spiderattack",
                                     "leapattarget",
                                     "moveindoors",
                                     "movethroughvillage",
                                     "movetowardsrestriction",
                                     "patrol x1,y1,z1;x2,y2,z2;x3,y3,z3",
                                     "gotolocation x,y,z",
                                     "gotoowner",
                                     "arrowattack",
                                     "bowattack"};
    ASSERT_EQ(std::size(fragments), mob::aiGoalKeys.size());
    for (int row = 0; row < int(std::size(fragments)); ++row)
        EXPECT_EQ(mob::addAiGoal(row, "2"),
                  RowOutcome::add(std::string("  - 2 ") + fragments[row], 0))
            << row;
}

TEST(AiLines, EveryTargetRow) {
    const char *const fragments[] = {"clear",
                                     "attacker",
                                     "players",
                                     "villagers",
                                     "golems",
                                     "OtherFaction",
                                     "OtherFactionMonsters",
                                     "OtherFactionVillagers",
                                     "SpecificFaction [派系名称]",
                                     "SpecificFactionMonsters [派系名称]",
                                     "ownerattacker",
                                     "ownertarget"};
    ASSERT_EQ(std::size(fragments), mob::aiTargetKeys.size());
    for (int row = 0; row < int(std::size(fragments)); ++row)
        EXPECT_EQ(mob::addAiTarget(row, "1"),
                  RowOutcome::add(std::string("  - 1 ") + fragments[row], 1))
            << row;
}

TEST(AiLines, PriorityAsTypedAndRefusals) {
    struct Case {
        bool goal;
        int row;
        const char *priority;
        RowOutcome expected;
    };
    for (const Case &c : {
             Case{true, 0, "0", RowOutcome::add("  - 0 clear", 0)},
             Case{false, 0, "0", RowOutcome::add("  - 0 clear", 1)},
             Case{true, 0, " ", RowOutcome::add("  -   clear", 0)},
             Case{false, 2, "abc", RowOutcome::add("  - abc players", 1)},
             Case{true, 13, "", RowOutcome::warn("请输入优先级")},
             Case{true, -1, "", RowOutcome::warn("请输入优先级")},
             Case{false, -1, "", RowOutcome::warn("请输入优先级")},
             Case{true, -1, "1", RowOutcome::nothing()},
             Case{false, -1, "1", RowOutcome::nothing()},
             Case{true, 30, "1", RowOutcome::nothing()},
             Case{false, 12, "1", RowOutcome::nothing()},
         }) {
        const RowOutcome outcome =
            c.goal ? mob::addAiGoal(c.row, c.priority) : mob::addAiTarget(c.row, c.priority);
        EXPECT_EQ(outcome, c.expected)
            << (c.goal ? "goal " : "target ") << c.row << " [" << c.priority << "]";
    }
}

} // namespace
